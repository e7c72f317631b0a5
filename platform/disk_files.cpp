#include "platform/disk_files.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

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

// The path a write lands on: symbolic links followed, a relative link read
// from its own folder. Empty when the links loop.
std::string resolveLinks(std::string path) {
    for (int hop = 0; hop < MAX_LINKS; ++hop) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return {};
        link.resize(static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    return {};
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

// Keeps every hard link of the target: its own blocks are rewritten. The
// space is reserved first, so a full disk fails before anything changes.
bool rewriteInPlace(const std::string& target, const struct stat& old, const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> previous;
    Descriptor in(::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (in.get() < 0 || readDescriptor(in.get(), SIZE_MAX, previous) != ReadResult::Ok) return false;
    Descriptor out(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (out.get() < 0) return false;
    if (!bytes.empty() && ::posix_fallocate(out.get(), 0, static_cast<off_t>(bytes.size())) != 0) {
        ::ftruncate(out.get(), old.st_size);
        return false;
    }
    if (writeWhole(out.get(), bytes.data(), bytes.size(), 0) &&
        ::ftruncate(out.get(), static_cast<off_t>(bytes.size())) == 0 && ::fsync(out.get()) == 0)
        return out.close();
    writeWhole(out.get(), previous.data(), previous.size(), 0);
    ::ftruncate(out.get(), static_cast<off_t>(previous.size()));
    ::fsync(out.get());
    return false;
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

bool DiskFiles::writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string target = resolveLinks(path);
    if (target.empty()) return false;
    struct stat old;
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) return false;
    if (replacing && old.st_nlink > 1) return rewriteInPlace(target, old, bytes);

    std::string temp = folderOf(target) + "/" + TEMP_NAME;
    Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0) return false;
    // The owner can only be kept by a user allowed to give files away; the
    // permission bits come after it, since a change of owner clears some.
    if (replacing) (void)!::fchown(fd.get(), old.st_uid, old.st_gid);
    bool ok = writeWhole(fd.get(), bytes.data(), bytes.size(), 0) &&
              ::fchmod(fd.get(), replacing ? old.st_mode & 07777 : newFileMode()) == 0 &&
              ::fsync(fd.get()) == 0;
    ok = fd.close() && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with its folder.
    Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0) ::fsync(folder.get());
    return true;
}

bool DiskFiles::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool DiskFiles::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace zelkora
