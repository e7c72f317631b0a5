#include "platform/disk_files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zelkora {

namespace {

// Symbolic links followed before a write gives up (the system's own limit).
constexpr int MAX_LINKS = 40;
// The temporary file: a short fixed prefix and mkstemp's six random characters,
// so any name the folder accepts leaves room for it.
constexpr const char* TEMP_NAME = ".zk-XXXXXX";
constexpr std::size_t TEMP_PREFIX = 4;
// A temporary file this old belongs to no save still running.
constexpr std::time_t STALE_SECONDS = 3600;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { if (fd_ >= 0) ::close(fd_); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The kernel's protected-symlinks rule: in a folder that is both sticky and
// world-writable (a shared /tmp), a link is followed only when the player owns
// it or the link's owner owns the folder.
bool mayFollow(const struct stat& link, const std::string& folder) {
    if (link.st_uid == ::geteuid()) return true;
    struct stat dir;
    if (::stat(folder.c_str(), &dir) != 0) return false;
    const bool shared = (dir.st_mode & S_ISVTX) != 0 && (dir.st_mode & S_IWOTH) != 0;
    return !shared || link.st_uid == dir.st_uid;
}

// The path a write lands on: symbolic links followed, a relative link read
// from its own folder. Empty when the links loop or a link may not be followed.
std::string resolveLinks(std::string path) {
    for (int hop = 0; hop < MAX_LINKS; ++hop) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        if (!mayFollow(st, folderOf(path))) return {};
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return {};
        link.resize(static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    return {};
}

bool inPlayersGroups(gid_t group) {
    if (group == ::getegid()) return true;
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int n = ::getgroups(static_cast<int>(groups.size()), groups.data());
    return n > 0 && std::find(groups.begin(), groups.begin() + n, group) != groups.begin() + n;
}

// The permission bits that apply to the player, read directly: the super-user
// passes every access() check, yet a file made read-only is still refused.
bool writableByPlayer(const struct stat& st) {
    if (st.st_uid == ::geteuid()) return (st.st_mode & S_IWUSR) != 0;
    if (inPlayersGroups(st.st_gid)) return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

// ".zk-" and exactly the six letters or digits mkstemp puts in.
bool isTemporaryName(const char* name) {
    const std::string text(name);
    if (text.size() != std::string(TEMP_NAME).size() || text.compare(0, TEMP_PREFIX, TEMP_NAME, TEMP_PREFIX) != 0)
        return false;
    for (std::size_t i = TEMP_PREFIX; i < text.size(); ++i) {
        const char c = text[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// Removes what killed saves left: only this program's temporary names, only
// regular files of the player, only those older than any save still running.
void sweepStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st;
        if (!isTemporaryName(entry->d_name) ||
            ::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && now - st.st_mtime > STALE_SECONDS)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

bool writeWhole(int fd, const std::uint8_t* data, std::size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

ReadResult readDescriptor(int fd, std::size_t limit, std::vector<std::uint8_t>& bytes) {
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return ReadResult::Unreadable;
    if (static_cast<std::uintmax_t>(st.st_size) > limit) return ReadResult::TooLarge;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ReadResult::Unreadable;
        if (n == 0) return ReadResult::Ok;
        // The file may grow while it is read.
        if (bytes.size() + static_cast<std::size_t>(n) > limit) return ReadResult::TooLarge;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Keeps every hard link of the target: its own blocks are rewritten, never
// through a link put in its place since it was resolved. The space is
// reserved first, so a full disk fails before anything changes.
bool rewriteInPlace(SaveCalls& calls, const std::string& target, const struct stat& old,
                    const std::vector<std::uint8_t>& bytes, std::size_t limit) {
    if (static_cast<std::uintmax_t>(old.st_size) > limit) return false;
    std::vector<std::uint8_t> previous;
    Descriptor in(::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (in.get() < 0 || readDescriptor(in.get(), limit, previous) != ReadResult::Ok) return false;
    Descriptor out(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (out.get() < 0) return false;
    if (!bytes.empty() && ::posix_fallocate(out.get(), 0, static_cast<off_t>(bytes.size())) != 0) {
        ::ftruncate(out.get(), old.st_size);
        return false;
    }
    if (writeWhole(out.get(), bytes.data(), bytes.size(), 0) &&
        ::ftruncate(out.get(), static_cast<off_t>(bytes.size())) == 0 && calls.fsync(out.get()) == 0)
        return out.close();
    writeWhole(out.get(), previous.data(), previous.size(), 0);
    ::ftruncate(out.get(), static_cast<off_t>(previous.size()));
    calls.fsync(out.get());
    return false;
}

// The new contents in a temporary file beside the target, renamed over it.
// `old` is the file replaced, null for a new one.
bool replaceByRename(SaveCalls& calls, const std::string& target, const struct stat* old,
                     const std::vector<std::uint8_t>& bytes) {
    std::string temp = folderOf(target) + "/" + TEMP_NAME;
    Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0) return false;
    // The owner can only be kept by a user allowed to give files away; the
    // permission bits come after it, since a change of owner clears some.
    if (old) (void)!::fchown(fd.get(), old->st_uid, old->st_gid);
    bool ok = writeWhole(fd.get(), bytes.data(), bytes.size(), 0) &&
              ::fchmod(fd.get(), old ? old->st_mode & 07777 : newFileMode()) == 0 && calls.fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && calls.rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        calls.unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with its folder.
    Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) calls.fsync(folder.get());
    return true;
}

}  // namespace

bool DiskFiles::exists(const std::string& path) const {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

ReadResult DiskFiles::readAll(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) const {
    bytes.clear();
    // O_NONBLOCK: opening a FIFO returns at once, and fstat then refuses it.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return ReadResult::Unreadable;
    const ReadResult result = readDescriptor(fd.get(), limit, bytes);
    if (result != ReadResult::Ok) bytes.clear();
    return result;
}

bool DiskFiles::writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t limit) {
    // A NUL would cut the path the system sees.
    if (path.find('\0') != std::string::npos) return false;
    const std::string target = resolveLinks(path);
    if (target.empty()) return false;
    struct stat old;
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && (!S_ISREG(old.st_mode) || !writableByPlayer(old))) return false;
    const bool saved = replacing && old.st_nlink > 1 ? rewriteInPlace(calls(), target, old, bytes, limit)
                                                     : replaceByRename(calls(), target, replacing ? &old : nullptr, bytes);
    if (saved) sweepStaleTemporaries(folderOf(target));
    return saved;
}

bool DiskFiles::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool DiskFiles::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

SaveCalls& DiskFiles::calls() const {
    static SaveCalls system;
    return calls_ ? *calls_ : system;
}

int SaveCalls::fsync(int fd) { return ::fsync(fd); }
int SaveCalls::rename(const char* from, const char* to) { return ::rename(from, to); }
int SaveCalls::unlink(const char* path) { return ::unlink(path); }

}  // namespace zelkora
