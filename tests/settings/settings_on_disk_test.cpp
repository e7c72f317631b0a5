// The settings file on the real file system (the program's own file port): a
// file start-up must not read is left byte for byte as it was, whatever
// stands at the path.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/disk_files.h"
#include "tests/settings/settings_test_support.h"

namespace zelkora::testing {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class SettingsOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/zelkora-settings-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        ini = folder / INI;
        h.form->io.files = &disk;
        h.form->io.places.settingsFolder = folder.string();
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder, ini;
    DiskFiles disk;
    SettingsHarness h;
};

// A 10 KB file, and a hard link to one elsewhere: neither is replaced by the
// game's eleven bytes, and the link stays a link.
TEST_F(SettingsOnDisk, AnOversizedFileOrItsHardLinkIsNotWrittenOver) {
    const std::string big = SJIS_UCHU + CRLF + std::string(10240, 'x');
    const fs::path elsewhere = folder / "other.dat";
    write(elsewhere, big);
    fs::create_hard_link(elsewhere, ini);
    h.start();
    EXPECT_EQ(contents(elsewhere), big);
    EXPECT_EQ(fs::hard_link_count(ini), 2u);
    EXPECT_EQ(h->display.background, PIC_MIDORI);
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_NE(h.dialogs.shown[0].text.find(ini.string()), std::string::npos);
}

// Mode 000: whoever cannot read it gets the box; an administrator, who can,
// gets its background. Either way bytes and mode bits stay.
TEST_F(SettingsOnDisk, AFileWithoutPermissionsKeepsItsBytesAndMode) {
    write(ini, SJIS_TAKE + CRLF);
    ASSERT_EQ(chmod(ini.c_str(), 0), 0);
    h.start();
    struct stat st {};
    ASSERT_EQ(stat(ini.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0u);
    chmod(ini.c_str(), 0600);
    EXPECT_EQ(contents(ini), SJIS_TAKE + CRLF);
    if (geteuid() == 0) {
        EXPECT_EQ(h->display.background, PIC_TAKE);
        EXPECT_TRUE(h.dialogs.shown.empty());
    } else {
        EXPECT_EQ(h->display.background, PIC_MIDORI);
        EXPECT_EQ(h.dialogs.shown.size(), 1u);
    }
}

}  // namespace
}  // namespace zelkora::testing
