#include "records/panel_save.h"

namespace zelkora {

bool writePanelFile(Form1& f, const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
    const std::string path = f.io.panel->folder() + "/" + fileName;
    if (fileName.find('/') != std::string::npos || !f.io.files->writeAll(path, bytes)) {
        f.io.dialogs->message("棋譜ﾌｧｲﾙを作成できません\r" + path, "棋譜保存");
        return false;
    }
    f.描画_可視(false, false, false);
    f.描画_棋譜_IO(1);
    f.io.panel->refreshFiles();
    return true;
}

}  // namespace zelkora
