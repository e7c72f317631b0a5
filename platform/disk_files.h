// The file port over the real file system (POSIX), used by the program and the
// command-line engine.
//
// Reading opens only regular files, never blocks on a FIFO and refuses a file
// larger than the caller's limit before reading a byte of it. Read errors are
// answers, never exceptions.
//
// Writing resolves symbolic links first, so the file a link points to is the
// one saved, and the link stays a link. The new contents go to a temporary file
// created exclusively (mkstemp) under a short random name in the target's own
// folder, are flushed to disk, get the old file's permission bits and owner,
// and are renamed over the target: a failed save leaves the old file whole.
// A target with several hard links cannot be replaced by a rename without
// splitting them, so it is rewritten in place instead, after the space for the
// new contents is reserved; should that write still fail, the old contents are
// written back.
#pragma once

#include "game/ports.h"

namespace zelkora {

class DiskFiles : public Files {
public:
    bool exists(const std::string& path) const override;
    ReadResult readAll(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) const override;
    bool writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    bool remove(const std::string& path) override;
    bool rename(const std::string& from, const std::string& to) override;
};

}  // namespace zelkora
