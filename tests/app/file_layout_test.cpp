// Where the program looks for its files: beside itself when run from the build
// folder, else the installed tree relative to its own folder and the user's
// configuration and documents folders.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/file_layout.h"

namespace zelkora {
namespace {

// Sets an environment variable for one test and restores it afterwards.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull()) qunsetenv(name); else qputenv(name, value);
    }
    ~EnvironmentValue() {
        if (had_) qputenv(name_, old_); else qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

struct LayoutCase {
    const char* name;
    bool libraryBeside;     // libZelkora.so lies beside the program
    bool xdgConfig;         // XDG_CONFIG_HOME is set (to ROOT/xdg)
    bool documents;         // HOME/Documents exists
    bool installed;
    const char* settings;   // expected settings folder; ROOT, HOME and PROGRAM are replaced
    const char* records;    // expected records folder; CWD is the current folder
    const char* state;      // expected state folder (XDG_STATE_HOME is ROOT/xdg with XDG_CONFIG_HOME)
};

const LayoutCase CASES[] = {
    {"BuildFolder", true, true, true, false, "PROGRAM", "CWD", "PROGRAM"},
    {"InstalledWithDocuments", false, false, true, true, "HOME/.config/" ZELKORA_APP_ID, "HOME/Documents",
     "HOME/.local/state/" ZELKORA_APP_ID},
    {"InstalledWithXdgConfig", false, true, false, true, "ROOT/xdg/" ZELKORA_APP_ID, "HOME",
     "ROOT/xdg/" ZELKORA_APP_ID},
};

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, FindsEachFolder) {
    const LayoutCase& c = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString program = root.filePath("bin"), home = root.filePath("home");
    ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(home));
    if (c.documents) {
        ASSERT_TRUE(QDir().mkpath(home + "/Documents"));
    }
    if (c.libraryBeside) {
        QFile library(program + "/libZelkora.so");
        ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    }
    const EnvironmentValue homeValue("HOME", home.toUtf8());
    const EnvironmentValue config("XDG_CONFIG_HOME", c.xdgConfig ? root.filePath("xdg").toUtf8() : QByteArray());
    const EnvironmentValue state("XDG_STATE_HOME", c.xdgConfig ? root.filePath("xdg").toUtf8() : QByteArray());

    const FileLayout layout = FileLayout::ofProgram(program);
    auto expand = [&](QString text) {
        return text.replace("ROOT", root.path()).replace("HOME", home).replace("PROGRAM", program)
            .replace("CWD", QDir::currentPath());
    };
    EXPECT_EQ(layout.installed, c.installed);
    EXPECT_EQ(layout.settingsFolder, expand(c.settings));
    EXPECT_EQ(layout.recordsFolder, expand(c.records));
    EXPECT_EQ(layout.stateFolder, expand(c.state));
    if (c.installed) {
        EXPECT_EQ(layout.soundLibrary, root.filePath(ZELKORA_INSTALL_LIBDIR "/" ZELKORA_APP_ID "/libZelkora.so"));
        EXPECT_EQ(layout.soundFolder, root.filePath(ZELKORA_INSTALL_DATADIR "/" ZELKORA_APP_ID));
    } else {
        EXPECT_EQ(layout.soundLibrary, program + "/libZelkora.so");
        EXPECT_EQ(layout.soundFolder, program);
    }
    // The core sees the same folders.
    EXPECT_EQ(layout.places().settingsFolder, layout.settingsFolder.toStdString());
    EXPECT_EQ(layout.places().soundFolder, layout.soundFolder.toStdString());
    EXPECT_EQ(layout.places().stateFolder, layout.stateFolder.toStdString());
}

INSTANTIATE_TEST_SUITE_P(Programs, Layout, ::testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelkora
