#include "game/disk_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace zelkora {

namespace fs = std::filesystem;

bool DiskFiles::exists(const std::string& path) const {
    std::error_code ec;
    return fs::is_regular_file(fs::u8path(path), ec);
}

bool DiskFiles::readAll(const std::string& path, std::vector<std::uint8_t>& bytes) const {
    std::ifstream in(fs::u8path(path), std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool DiskFiles::writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const fs::path target = fs::u8path(path);
    fs::path temp = target;
    temp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace zelkora
