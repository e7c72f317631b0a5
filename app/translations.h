// Qt's own texts in Japanese: the standard buttons of the message boxes read
// "はい" / "いいえ" like every other text of the window.
#pragma once

class QCoreApplication;
class QTranslator;

namespace zelkora {

// Loads qtbase_ja.qm from Qt's translations folder and installs it in `app`,
// which owns it. Answers the installed translator, or nullptr when the file is
// missing (Qt then shows its English texts).
QTranslator* installQtTranslations(QCoreApplication& app);

}  // namespace zelkora
