// The file port on the real file system: saves replace a file in one step
// without following planted links, keep its permission bits, its symbolic and
// hard links; reads open only regular files within a size limit and report
// every failure instead of throwing or blocking.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/disk_files.h"

namespace zelkora {
namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> NEW_BYTES = {'n', 'e', 'w', '\r', '\n'};

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
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
};

TEST_F(DiskFilesTest, ASaveReplacesTheFileByRenameAndLeavesNothingBehind) {
    const std::string target = put("a.棋譜", "old");
    const ino_t before = info(target).st_ino;
    ASSERT_TRUE(files.writeAll(target, NEW_BYTES));
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
    ASSERT_TRUE(files.writeAll(target, NEW_BYTES));
    EXPECT_EQ(contents(victim), "keep");
    EXPECT_EQ(contents(target), "new\r\n");
}

TEST_F(DiskFilesTest, ANameJustUnderTheSystemLimitCanBeSaved) {
    const std::string target = (dir / std::string(NAME_MAX - 3, 'k')).string();
    ASSERT_TRUE(files.writeAll(target, NEW_BYTES));
    EXPECT_EQ(contents(target), "new\r\n");
}

TEST_F(DiskFilesTest, PermissionBitsOfTheOldFileAreKept) {
    for (mode_t mode : {0600, 0640, 0604}) {
        const std::string target = put("p.棋譜", "old");
        ::chmod(target.c_str(), mode);
        ASSERT_TRUE(files.writeAll(target, NEW_BYTES));
        EXPECT_EQ(info(target).st_mode & 07777, mode);
    }
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(files.writeAll((dir / "fresh").string(), NEW_BYTES));
    ::umask(mask);
    EXPECT_EQ(info(dir / "fresh").st_mode & 07777, 0640u);
}

TEST_F(DiskFilesTest, ASaveThroughASymbolicLinkWritesTheFileItPointsTo) {
    fs::create_directories(dir / "real");
    const std::string real = put("real/r.棋譜", "old");
    fs::create_symlink("real/r.棋譜", dir / "link.棋譜");   // relative to the link's folder
    fs::create_symlink(dir / "link.棋譜", dir / "chain.棋譜");
    ASSERT_TRUE(files.writeAll((dir / "chain.棋譜").string(), NEW_BYTES));
    EXPECT_EQ(contents(real), "new\r\n");
    EXPECT_TRUE(fs::is_symlink(dir / "link.棋譜"));
    EXPECT_TRUE(fs::is_symlink(dir / "chain.棋譜"));
    EXPECT_EQ(entries(), 3u);   // no temporary file left beside the link
}

TEST_F(DiskFilesTest, ASaveOverAHardLinkedFileChangesEveryName) {
    const std::string target = put("h.棋譜", std::string(100, 'o'));
    fs::create_hard_link(target, dir / "other.棋譜");
    ASSERT_TRUE(files.writeAll(target, NEW_BYTES));
    EXPECT_EQ(contents(dir / "other.棋譜"), "new\r\n");
    EXPECT_EQ(info(target).st_nlink, 2u);
}

TEST_F(DiskFilesTest, AFailedSaveKeepsTheOldFile) {
    fs::create_directories(dir / "folder");
    EXPECT_FALSE(files.writeAll((dir / "folder").string(), NEW_BYTES));
    EXPECT_TRUE(fs::is_directory(dir / "folder"));
    EXPECT_FALSE(files.writeAll((dir / "missing/x.棋譜").string(), NEW_BYTES));
    fs::create_symlink("loop", dir / "loop");
    EXPECT_FALSE(files.writeAll((dir / "loop").string(), NEW_BYTES));
    EXPECT_EQ(entries(), 2u);
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
