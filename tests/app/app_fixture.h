// A fixture for window tests: each test runs in its own empty working folder
// (the game reads and writes "Zelkora.ini" and looks for its wave files
// there), with a scripted Dialogs that answers every box (OK / Yes unless told
// otherwise) and remembers what was shown.
#pragma once

#include <memory>

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
    }
    void TearDown() override {
        window_.reset();
        QDir::setCurrent(previous_);
    }

    // Creates the window (start-up runs) and shows it.
    MainWindow& open() {
        window_ = std::make_unique<MainWindow>(&dialogs);
        window_->show();
        return *window_;
    }

    // Closes the window and starts the program again in the same folder.
    MainWindow& restart() {
        window_.reset();
        return open();
    }

    QString folder() const { return folder_.path(); }

    ScriptedDialogs dialogs;

private:
    QTemporaryDir folder_;
    QString previous_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace zelkora::testing
