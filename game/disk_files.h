// The file port over the real file system (std::filesystem), used by the
// program and the command-line engine. Writes go to a temporary file beside the
// target and are renamed over it, so a failed write never destroys a file.
#pragma once

#include "game/ports.h"

namespace zelkora {

class DiskFiles : public Files {
public:
    bool exists(const std::string& path) const override;
    bool readAll(const std::string& path, std::vector<std::uint8_t>& bytes) const override;
    bool writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
};

}  // namespace zelkora
