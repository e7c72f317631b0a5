// Writing a file through the record panel, shared by "書込" and "KIF書出".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Form1.h"

namespace zelkora {

// A file the panel writes: its name in the panel's folder, its bytes, the
// largest file of its format (a larger file already there is not one of the
// game's files), and whether the Shift_JIS bytes lost characters of the text.
struct PanelFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
    std::size_t limit = 0;
    bool shiftJisLoses = false;
};

// Writes `file` in the panel's folder. A name holding a control character (a
// pasted NUL would cut the path the system sees) is refused with the bad-name
// box; a name holding a folder separator would land outside the chosen folder,
// so it is refused like a name that cannot be created ("棋譜ﾌｧｲﾙを作成できません").
// When Shift_JIS loses characters the player is asked first, and "No" writes
// nothing. On success the panel closes and its file list is refreshed;
// answers whether the file was written.
bool writePanelFile(Form1& f, const PanelFile& file);

}  // namespace zelkora
