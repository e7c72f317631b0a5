// The save and load panel over the upper-left of the window: drive, folder and
// file lists (files filtered to "*.棋譜") and four labelled fields with the
// "RETURN" button. All controls start hidden; the core shows and hides them
// through the RecordPanel port. Controls and their font follow the window's
// scale: their twips places become logical pixels through TwipsScale.
#pragma once

#include <functional>
#include <string>

#include <QObject>

#include "display/qt/twips.h"
#include "game/ports.h"

class QWidget;

namespace zelkora {

class RecordPanelWidgets : public QObject, public RecordPanel {
    Q_OBJECT
public:
    // Creates the hidden controls as children of `parent`, placed at `scale`.
    // Refusals of the lists (a drive that is not ready) are shown through `dialogs`.
    RecordPanelWidgets(QWidget* parent, Dialogs& dialogs, const TwipsScale& scale);
    ~RecordPanelWidgets() override;

    // Called when a file is clicked in the file list (File1_Click) with its name,
    // and when "RETURN" is pressed (Command1_Click).
    std::function<void(const std::string& fileName)> onFileChosen;
    std::function<void()> onReturn;

    void setListsVisible(bool drives, bool folders, bool files) override;
    void setTextGroupVisible(bool visible) override;
    void clearTexts() override;
    void setText(int field, const std::string& text) override;
    std::string text(int field) const override;
    std::string folder() const override;
    void refreshFiles() override;

    // Places every control and its font again at a new scale of the window.
    void setScale(const TwipsScale& scale);
    // The labels and the button's caption again from the installed translators.
    void retranslate();
    // Shows `folder` in the lists; they start at the working folder otherwise.
    void startIn(const QString& folder);

    // For tests: the controls by their names (Drive1, Dir1, File1, Text1..Text4,
    // Command1, Label1..Label4).
    QWidget* control(const std::string& name) const;

private:
    struct Impl;
    Impl* d;
};

}  // namespace zelkora
