// The picture table: which picture each code shows, the codes that show
// nothing, picture sizes and the uniqueness of names.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "display/pictures.h"
#include "game/codes.h"

namespace zelkora {
namespace {

struct CodeCase {
    int code;
    Picture picture;
};

const CodeCase DRAWN[] = {
    {0, Picture::KARA_MASU},
    {-10, Picture::SITA_HU0},   {-11, Picture::SITA_HU1},   {-20, Picture::SITA_KYOU0}, {-21, Picture::SITA_KYOU1},
    {-30, Picture::SITA_KEI0},  {-31, Picture::SITA_KEI1},  {-100, Picture::SITA_GIN0}, {-101, Picture::SITA_GIN1},
    {-110, Picture::SITA_KIN},  {-800, Picture::SITA_KAKU0}, {-801, Picture::SITA_KAKU1},
    {-900, Picture::SITA_SYA0}, {-901, Picture::SITA_SYA1}, {-950, Picture::SITA_OU},
    {10, Picture::UE_HU0},      {11, Picture::UE_HU1},      {20, Picture::UE_KYOU0},    {21, Picture::UE_KYOU1},
    {30, Picture::UE_KEI0},     {31, Picture::UE_KEI1},     {100, Picture::UE_GIN0},    {101, Picture::UE_GIN1},
    {110, Picture::UE_KIN},     {800, Picture::UE_KAKU0},   {801, Picture::UE_KAKU1},
    {900, Picture::UE_SYA0},    {901, Picture::UE_SYA1},    {950, Picture::UE_OU},
    {1, Picture::ZELKORA},
    {2, Picture::HAIKEI_MIDORI}, {3, Picture::HAIKEI_TATAMI}, {4, Picture::HAIKEI_TAKE},
    {5, Picture::HAIKEI_UCHU},   {6, Picture::HAIKEI_RENGA},
};

TEST(PictureTable, EveryCodeShowsItsPicture) {
    for (const auto& c : DRAWN) {
        const auto got = pictureForCode(c.code);
        ASSERT_TRUE(got.has_value()) << c.code;
        EXPECT_EQ(*got, c.picture) << c.code << " shows " << pictureEntry(*got).resource;
    }
}

TEST(PictureTable, CodesOutsideTheTableShowNothing) {
    for (const int code : {-111, 111, 7, 8, -1, -2, 9, 12, 40, -40, 102, -102, 951, -951, 999, -999, 1000})
        EXPECT_FALSE(pictureForCode(code).has_value()) << code;
}

TEST(PictureTable, SizesByKind) {
    for (const auto& e : pictureTable()) {
        SCOPED_TRACE(e.resource);
        if (e.picture == Picture::ZELKORA) {
            EXPECT_EQ(e.width, 118);
            EXPECT_EQ(e.height, 59);
        } else if (e.code >= PIC_MIDORI && e.code <= PIC_RENGA) {
            EXPECT_EQ(e.width, 34);
            EXPECT_EQ(e.height, 41);
        } else {
            EXPECT_EQ(e.width, 33);
            EXPECT_EQ(e.height, 41);
        }
    }
}

TEST(PictureTable, EachPictureOnceWithItsOwnFileAndCode) {
    const auto table = pictureTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(Picture::Count));
    std::set<std::string> resources;
    std::set<int> codes;
    std::set<Picture> pictures;
    for (const auto& e : table) {
        resources.insert(e.resource);
        codes.insert(e.code);
        pictures.insert(e.picture);
        EXPECT_EQ(pictureEntry(e.picture).resource, std::string(e.resource));
        EXPECT_EQ(std::string(e.resource).substr(std::string(e.resource).size() - 4), ".png") << e.resource;
    }
    EXPECT_EQ(resources.size(), table.size());
    EXPECT_EQ(codes.size(), table.size());
    EXPECT_EQ(pictures.size(), table.size());
}

TEST(PictureTable, UpperPicturesMirrorTheLowerOnes) {
    // The lower side's picture of -code and the upper side's of code differ only
    // in the prefix of their names.
    for (const auto& e : pictureTable()) {
        if (!isLower(e.code)) continue;
        const auto upper = pictureForCode(-e.code);
        ASSERT_TRUE(upper.has_value()) << e.code;
        EXPECT_EQ("UE_" + std::string(e.resource).substr(5), pictureEntry(*upper).resource);
    }
}

}  // namespace
}  // namespace zelkora
