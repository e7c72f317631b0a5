// `zelkora --startup-report` only looks: neither the settings folder nor the
// settings file comes into being, whether the folder is there or not.
#include <QCoreApplication>
#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/startup_report.h"

namespace zelkora {
namespace {

QStringList everythingUnder(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) found << it.next();
    return found;
}

TEST(StartupReport, WritesNoSettingsFileAndMakesNoFolder) {
    for (const char* settings : {"config/org.zelkora.Zelkora", "empty"}) {
        SCOPED_TRACE(settings);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkdir("empty"));
        const QStringList before = everythingUnder(root.path());
        FileLayout layout = FileLayout::workingFolder(QCoreApplication::applicationDirPath());
        layout.settingsFolder = root.filePath(settings);
        runStartupReport(layout);
        EXPECT_EQ(everythingUnder(root.path()), before);
    }
}

}  // namespace
}  // namespace zelkora
