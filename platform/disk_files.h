// The file port over the real file system (POSIX), used by the program and the
// command-line engine.
//
// Reading opens only regular files, never blocks on a FIFO and refuses a file
// larger than the caller's limit before reading a byte of it. Read errors are
// answers, never exceptions.
//
// Writing resolves symbolic links first, so the file a link points to is the
// one saved, and the link stays a link; a link is followed only where the
// kernel's protected-symlinks rule would follow it, so a link another user
// planted in a shared sticky folder never redirects a save. An existing file
// whose permission bits deny the player write is refused: the player made it
// read-only. The new contents go to a temporary file created exclusively
// (mkstemp) under a short random name in the target's own folder, are flushed
// to disk, get the old file's permission bits and owner, and are renamed over
// the target, and the folder is flushed: a failed save leaves the old file
// whole and no temporary file behind.
// A target with several hard links cannot be replaced by a rename without
// splitting them, so it is rewritten in place instead, after the space for the
// new contents is reserved; should that write still fail, the old contents are
// written back. Those old contents are read only up to the caller's limit (the
// largest file of its format): a larger target is not one of the game's files
// and is refused.
// After a save succeeds, temporary files of this program that a killed save
// left in that folder over an hour ago, and that belong to the player, go.
#pragma once

#include "game/ports.h"

namespace zelkora {

// The system calls whose order makes a save survive a crash: the temporary
// file reaches the disk before the rename, the rename before the save is
// reported. Tests watch them through this seam; the default calls the system.
class SaveCalls {
public:
    virtual ~SaveCalls() = default;
    virtual int fsync(int fd);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
};

class DiskFiles : public Files {
public:
    DiskFiles() = default;
    explicit DiskFiles(SaveCalls& calls) : calls_(&calls) {}
    bool exists(const std::string& path) const override;
    ReadResult readAll(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) const override;
    bool writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t limit) override;
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;

private:
    SaveCalls* calls_ = nullptr;   // null: the system's own
    SaveCalls& calls() const;
};

}  // namespace zelkora
