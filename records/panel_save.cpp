#include "records/panel_save.h"

namespace zelkora {

namespace {

// C0 controls, DEL, and the C1 controls U+0080..U+009F (UTF-8 C2 80..C2 9F).
bool holdsControl(const std::string& name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c == 0x7F) return true;
        if (c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) <= 0x9F) return true;
    }
    return false;
}

}  // namespace

bool writePanelFile(Form1& f, const PanelFile& file) {
    if (holdsControl(file.name)) {
        f.io.dialogs->message(f.文言(Text::BAD_FILE_NAME), "  ");
        return false;
    }
    if (file.shiftJisLoses && f.io.dialogs->message(f.文言(Text::SHIFT_JIS_LOSS), f.文言(Text::TITLE_RECORD_SAVE),
                                                    Buttons::YesNo, Icon::Warning) != Answer::Yes)
        return false;
    const std::string path = f.io.panel->folder() + "/" + file.name;
    if (file.name.find('/') != std::string::npos || !f.io.files->writeAll(path, file.bytes, file.limit)) {
        f.io.dialogs->message(f.文言(Text::RECORD_NOT_CREATED, {path}), f.文言(Text::TITLE_RECORD_SAVE));
        return false;
    }
    f.描画_可視(false, false, false);
    f.描画_棋譜_IO(1);
    f.io.panel->refreshFiles();
    return true;
}

}  // namespace zelkora
