// Writing a file through the record panel, shared by "書込" and "KIF書出".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Form1.h"

namespace zelkora {

// Writes `bytes` as `fileName` in the panel's folder. A name holding a folder
// separator would land outside the chosen folder, so it is refused like a name
// that cannot be created ("棋譜ﾌｧｲﾙを作成できません"). On success the panel
// closes and its file list is refreshed; answers whether the file was written.
bool writePanelFile(Form1& f, const std::string& fileName, const std::vector<std::uint8_t>& bytes);

}  // namespace zelkora
