#include "records/panel_save.h"

namespace zelkora {

bool writePanelFile(Form1& f, const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
    const std::string path = f.io.panel->folder() + "/" + fileName;
    if (fileName.find('/') != std::string::npos || !f.io.files->writeAll(path, bytes)) {
        f.io.dialogs->message(f.文言(Text::RECORD_NOT_CREATED, {path}), f.文言(Text::TITLE_RECORD_SAVE));
        return false;
    }
    f.描画_可視(false, false, false);
    f.描画_棋譜_IO(1);
    f.io.panel->refreshFiles();
    return true;
}

}  // namespace zelkora
