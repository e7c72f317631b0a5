// The picture table itself.
#include "display/pictures.h"

#include <array>

#include "game/codes.h"

namespace zelkora {
namespace {

constexpr int SQ_W = 33, SQ_H = 41;       // a board square
constexpr int TILE_W = 34, TILE_H = 41;   // a background tile
constexpr int TITLE_W = 118, TITLE_H = 59;

using P = Picture;

constexpr std::array<PictureEntry, static_cast<int>(Picture::Count)> TABLE{{
    {EMPTY, P::KARA_MASU, "KARA_MASU.png", SQ_W, SQ_H},
    {SITA_HU, P::SITA_HU0, "SITA_HU0.png", SQ_W, SQ_H},
    {SITA_TO, P::SITA_HU1, "SITA_HU1.png", SQ_W, SQ_H},
    {SITA_KYOU, P::SITA_KYOU0, "SITA_KYOU0.png", SQ_W, SQ_H},
    {SITA_NARIKYOU, P::SITA_KYOU1, "SITA_KYOU1.png", SQ_W, SQ_H},
    {SITA_KEI, P::SITA_KEI0, "SITA_KEI0.png", SQ_W, SQ_H},
    {SITA_NARIKEI, P::SITA_KEI1, "SITA_KEI1.png", SQ_W, SQ_H},
    {SITA_GIN, P::SITA_GIN0, "SITA_GIN0.png", SQ_W, SQ_H},
    {SITA_NARIGIN, P::SITA_GIN1, "SITA_GIN1.png", SQ_W, SQ_H},
    {SITA_KIN, P::SITA_KIN, "SITA_KIN.png", SQ_W, SQ_H},
    {SITA_KAKU, P::SITA_KAKU0, "SITA_KAKU0.png", SQ_W, SQ_H},
    {SITA_UMA, P::SITA_KAKU1, "SITA_KAKU1.png", SQ_W, SQ_H},
    {SITA_SYA, P::SITA_SYA0, "SITA_SYA0.png", SQ_W, SQ_H},
    {SITA_RYU, P::SITA_SYA1, "SITA_SYA1.png", SQ_W, SQ_H},
    {SITA_OU, P::SITA_OU, "SITA_OU.png", SQ_W, SQ_H},
    {UE_HU, P::UE_HU0, "UE_HU0.png", SQ_W, SQ_H},
    {UE_TO, P::UE_HU1, "UE_HU1.png", SQ_W, SQ_H},
    {UE_KYOU, P::UE_KYOU0, "UE_KYOU0.png", SQ_W, SQ_H},
    {UE_NARIKYOU, P::UE_KYOU1, "UE_KYOU1.png", SQ_W, SQ_H},
    {UE_KEI, P::UE_KEI0, "UE_KEI0.png", SQ_W, SQ_H},
    {UE_NARIKEI, P::UE_KEI1, "UE_KEI1.png", SQ_W, SQ_H},
    {UE_GIN, P::UE_GIN0, "UE_GIN0.png", SQ_W, SQ_H},
    {UE_NARIGIN, P::UE_GIN1, "UE_GIN1.png", SQ_W, SQ_H},
    {UE_KIN, P::UE_KIN, "UE_KIN.png", SQ_W, SQ_H},
    {UE_KAKU, P::UE_KAKU0, "UE_KAKU0.png", SQ_W, SQ_H},
    {UE_UMA, P::UE_KAKU1, "UE_KAKU1.png", SQ_W, SQ_H},
    {UE_SYA, P::UE_SYA0, "UE_SYA0.png", SQ_W, SQ_H},
    {UE_RYU, P::UE_SYA1, "UE_SYA1.png", SQ_W, SQ_H},
    {UE_OU, P::UE_OU, "UE_OU.png", SQ_W, SQ_H},
    {PIC_ZELKORA, P::ZELKORA, "ZELKORA.png", TITLE_W, TITLE_H},
    {PIC_MIDORI, P::HAIKEI_MIDORI, "HAIKEI_MIDORI.png", TILE_W, TILE_H},
    {PIC_TATAMI, P::HAIKEI_TATAMI, "HAIKEI_TATAMI.png", TILE_W, TILE_H},
    {PIC_TAKE, P::HAIKEI_TAKE, "HAIKEI_TAKE.png", TILE_W, TILE_H},
    {PIC_UCHU, P::HAIKEI_UCHU, "HAIKEI_UCHU.png", TILE_W, TILE_H},
    {PIC_RENGA, P::HAIKEI_RENGA, "HAIKEI_RENGA.png", TILE_W, TILE_H},
}};

constexpr bool tableFollowsEnumeration() {
    for (std::size_t i = 0; i < TABLE.size(); ++i)
        if (static_cast<std::size_t>(TABLE[i].picture) != i) return false;
    return true;
}
static_assert(tableFollowsEnumeration(), "pictureEntry indexes the table by the enumeration");

}  // namespace

std::span<const PictureEntry> pictureTable() { return TABLE; }

std::optional<Picture> pictureForCode(int code) {
    for (const auto& entry : TABLE)
        if (entry.code == code) return entry.picture;
    return std::nullopt;
}

const PictureEntry& pictureEntry(Picture picture) { return TABLE.at(static_cast<std::size_t>(picture)); }

}  // namespace zelkora
