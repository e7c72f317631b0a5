// The file port on the real file system: saves replace a file in one step
// without following planted links, keep its permission bits, its symbolic and
// hard links, refuse files that are not the player's to replace, flush before
// and after the rename and leave no temporary file; reads open only regular
// files within a size limit and report every failure instead of throwing or
// blocking.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ctime>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/disk_files.h"

namespace zelkora {
namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> NEW_BYTES = {'n', 'e', 'w', '\r', '\n'};
constexpr std::size_t LIMIT = 1000;            // the format's largest file in these tests
constexpr uid_t OTHER = 4321;                  // a user who is not the player

class DiskFilesTest : public ::testing::Test {
protected:
    fs::path dir;
    DiskFiles files;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zelkora-disk-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string put(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static struct stat info(const fs::path& p) {
        struct stat st {};
        ::lstat(p.c_str(), &st);
        return st;
    }
    static void makeOld(const fs::path& p, uid_t owner) {
        const struct timespec twoHoursAgo[2] = {{std::time(nullptr) - 7200, 0}, {std::time(nullptr) - 7200, 0}};
        ::utimensat(AT_FDCWD, p.c_str(), twoHoursAgo, AT_SYMLINK_NOFOLLOW);
        (void)!::lchown(p.c_str(), owner, static_cast<gid_t>(-1));
    }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(DiskFilesTest, ASaveReplacesTheFileByRenameAndLeavesNothingBehind) {
    const std::string target = put("a.棋譜", "old");
    const ino_t before = info(target).st_ino;
    ASSERT_TRUE(files.writeAll(target, NEW_BYTES, LIMIT));
    EXPECT_EQ(contents(target), "new\r\n");
    // A new inode: the old file was never opened for writing.
    EXPECT_NE(info(target).st_ino, before);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(DiskFilesTest, ALinkPlantedUnderAPredictableTemporaryNameIsNotFollowed) {
    const std::string victim = put("victim", "keep");
    const std::string target = (dir / "a.棋譜").string();
    for (const std::string& suffix : {std::string(".tmp"), ".tmp" + std::to_string(::getpid()), std::string("~")})
        fs::create_symlink(victim, target + suffix);
    ASSERT_TRUE(files.writeAll(target, NEW_BYTES, LIMIT));
    EXPECT_EQ(contents(victim), "keep");
    EXPECT_EQ(contents(target), "new\r\n");
}

TEST_F(DiskFilesTest, ANameJustUnderTheSystemLimitCanBeSaved) {
    const std::string target = (dir / std::string(NAME_MAX - 3, 'k')).string();
    ASSERT_TRUE(files.writeAll(target, NEW_BYTES, LIMIT));
    EXPECT_EQ(contents(target), "new\r\n");
}

TEST_F(DiskFilesTest, PermissionBitsOfTheOldFileAreKept) {
    for (mode_t mode : {0600, 0640, 0604}) {
        const std::string target = put("p.棋譜", "old");
        ::chmod(target.c_str(), mode);
        ASSERT_TRUE(files.writeAll(target, NEW_BYTES, LIMIT));
        EXPECT_EQ(info(target).st_mode & 07777, mode);
    }
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(files.writeAll((dir / "fresh").string(), NEW_BYTES, LIMIT));
    ::umask(mask);
    EXPECT_EQ(info(dir / "fresh").st_mode & 07777, 0640u);
}

TEST_F(DiskFilesTest, ASaveThroughASymbolicLinkWritesTheFileItPointsTo) {
    fs::create_directories(dir / "real");
    const std::string real = put("real/r.棋譜", "old");
    fs::create_symlink("real/r.棋譜", dir / "link.棋譜");   // relative to the link's folder
    fs::create_symlink(dir / "link.棋譜", dir / "chain.棋譜");
    ASSERT_TRUE(files.writeAll((dir / "chain.棋譜").string(), NEW_BYTES, LIMIT));
    EXPECT_EQ(contents(real), "new\r\n");
    EXPECT_TRUE(fs::is_symlink(dir / "link.棋譜"));
    EXPECT_TRUE(fs::is_symlink(dir / "chain.棋譜"));
    EXPECT_EQ(entries(), 3u);   // no temporary file left beside the link
}

TEST_F(DiskFilesTest, ASaveOverAHardLinkedFileChangesEveryName) {
    const std::string target = put("h.棋譜", std::string(100, 'o'));
    fs::create_hard_link(target, dir / "other.棋譜");
    ASSERT_TRUE(files.writeAll(target, NEW_BYTES, LIMIT));
    EXPECT_EQ(contents(dir / "other.棋譜"), "new\r\n");
    EXPECT_EQ(info(target).st_nlink, 2u);
}

TEST_F(DiskFilesTest, AFailedSaveKeepsTheOldFile) {
    fs::create_directories(dir / "folder");
    EXPECT_FALSE(files.writeAll((dir / "folder").string(), NEW_BYTES, LIMIT));
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
    EXPECT_FALSE(files.writeAll((dir / "missing/x.棋譜").string(), NEW_BYTES, LIMIT));
    fs::create_symlink("loop", dir / "loop");
    EXPECT_FALSE(files.writeAll((dir / "loop").string(), NEW_BYTES, LIMIT));
    EXPECT_EQ(entries(), 2u);
}

// The player is root here: ownership and sticky folders need a user who may
// give files away.
#define NEEDS_ROOT() \
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to hand files to another user"

TEST_F(DiskFilesTest, ALinkIsFollowedOnlyWhereTheProtectedSymlinksRuleWould) {
    NEEDS_ROOT();
    struct Case {
        mode_t folderMode;
        uid_t folderOwner, linkOwner;
        bool followed;
    };
    const Case cases[] = {
        {01777, 0, OTHER, false},   // planted by another user in a shared sticky folder
        {01777, 0, 0, true},        // the player's own link
        {01777, OTHER, OTHER, true},// the folder's owner made it
        {00777, 0, OTHER, true},    // not sticky
        {01775, 0, OTHER, true},    // sticky, not world-writable
    };
    for (const Case& c : cases) {
        const std::string victim = put("profile", "keep");
        fs::create_directories(dir / "shared");
        ::chmod((dir / "shared").c_str(), c.folderMode);
        ::chown((dir / "shared").c_str(), c.folderOwner, 0);
        fs::create_symlink(victim, dir / "shared/game.kif");
        ASSERT_EQ(::lchown((dir / "shared/game.kif").c_str(), c.linkOwner, 0), 0);
        EXPECT_EQ(files.writeAll((dir / "shared/game.kif").string(), NEW_BYTES, LIMIT), c.followed) << c.folderMode;
        EXPECT_EQ(contents(victim), c.followed ? "new\r\n" : "keep") << c.folderMode;
        EXPECT_TRUE(fs::is_symlink(dir / "shared/game.kif"));
        EXPECT_EQ(std::distance(fs::directory_iterator(dir / "shared"), {}), 1);
        fs::remove_all(dir / "shared");
    }
}

TEST_F(DiskFilesTest, AHardLinkedTargetOverTheCapIsRefusedUnread) {
    for (std::size_t size : {LIMIT, LIMIT + 1}) {
        const std::string target = put("h.kif", std::string(size, 'o'));
        fs::create_hard_link(target, dir / "other");
        EXPECT_EQ(files.writeAll(target, NEW_BYTES, LIMIT), size == LIMIT) << size;
        EXPECT_EQ(contents(dir / "other").size(), size == LIMIT ? NEW_BYTES.size() : size);
        fs::remove(dir / "other");
    }
}

TEST_F(DiskFilesTest, AFileThePlayerMayNotWriteIsRefused) {
    // The bits that apply to the player decide, even for the super-user.
    for (mode_t mode : {0444, 0464, 0466}) {
        const std::string target = put("r.棋譜", "old");
        ::chmod(target.c_str(), mode);
        EXPECT_FALSE(files.writeAll(target, NEW_BYTES, LIMIT)) << std::oct << mode;
        EXPECT_EQ(contents(target), "old");
        EXPECT_EQ(entries(), 1u);
        fs::remove(target);
    }
}

TEST_F(DiskFilesTest, ASaveRemovesOnlyThePlayersStaleTemporaryFiles) {
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* name;
        bool old;
        uid_t owner;
        bool removed;
    };
    const Case cases[] = {
        {".zk-Ab12Cd", true, ::geteuid(), true},   {".zk-Ab12Ce", false, ::geteuid(), false},
        {".zk-Ab12C", true, ::geteuid(), false},   {".zk-Ab12Cd7", true, ::geteuid(), false},
        {".zk-Ab_2Cd", true, ::geteuid(), false},  {"zk-Ab12Cdx", true, ::geteuid(), false},
        {".zk-Zz99zz", true, root ? OTHER : ::geteuid(), !root},
    };
    for (const Case& c : cases) {
        put(c.name, "partial");
        if (c.old) makeOld(dir / c.name, c.owner);
    }
    ASSERT_TRUE(files.writeAll((dir / "g.kif").string(), NEW_BYTES, LIMIT));
    for (const Case& c : cases) EXPECT_EQ(fs::exists(dir / c.name), !c.removed) << c.name;
}

// Records the watched calls in order, each file descriptor named by its kind,
// and fails the one call named in `fail`.
class RecordingCalls : public SaveCalls {
public:
    std::vector<std::string> calls;
    std::string fail;
    int fsync(int fd) override {
        struct stat st {};
        ::fstat(fd, &st);
        return answer(S_ISDIR(st.st_mode) ? "fsync folder" : "fsync file", [&] { return SaveCalls::fsync(fd); });
    }
    int rename(const char* from, const char* to) override {
        return answer("rename", [&] { return SaveCalls::rename(from, to); });
    }
    int unlink(const char* path) override {
        return answer("unlink", [&] { return SaveCalls::unlink(path); });
    }

private:
    template <typename Call>
    int answer(const std::string& name, Call call) {
        calls.push_back(name);
        return name == fail ? -1 : call();
    }
};

TEST_F(DiskFilesTest, TheFileReachesTheDiskBeforeTheRenameAndTheRenameBeforeSuccess) {
    RecordingCalls calls;
    DiskFiles watched(calls);
    ASSERT_TRUE(watched.writeAll(put("g.kif", "old"), NEW_BYTES, LIMIT));
    EXPECT_EQ(calls.calls, (std::vector<std::string>{"fsync file", "rename", "fsync folder"}));
}

TEST_F(DiskFilesTest, AFailureAfterTheTemporaryFileExistsLeavesNoTemporaryFile) {
    for (const char* failing : {"fsync file", "rename"}) {
        RecordingCalls calls;
        calls.fail = failing;
        DiskFiles watched(calls);
        const std::string target = put("g.kif", "old");
        EXPECT_FALSE(watched.writeAll(target, NEW_BYTES, LIMIT)) << failing;
        EXPECT_EQ(contents(target), "old");
        EXPECT_EQ(entries(), 1u) << failing;
        EXPECT_EQ(calls.calls.back(), "unlink") << failing;
    }
}

TEST_F(DiskFilesTest, ReadsReportEveryKindOfFailure) {
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    put("big", std::string(101, 'x'));
    put("fits", std::string(100, 'x'));
    fs::create_directories(dir / "folder");
    struct Case {
        const char* name;
        ReadResult result;
        std::size_t size;
    };
    const Case cases[] = {
        {"fits", ReadResult::Ok, 100},          {"big", ReadResult::TooLarge, 0},
        {"folder", ReadResult::Unreadable, 0},  {"fifo", ReadResult::Unreadable, 0},
        {"missing", ReadResult::Unreadable, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = {1};
        EXPECT_EQ(files.readAll((dir / c.name).string(), 100, bytes), c.result) << c.name;
        EXPECT_EQ(bytes.size(), c.size) << c.name;
        EXPECT_EQ(files.exists((dir / c.name).string()), c.result != ReadResult::Unreadable) << c.name;
    }
}

}  // namespace
}  // namespace zelkora
