// The table of pictures: which picture the code given to 描画_絵 shows, the
// name of its resource file and its size in pixels at scale 1.
//
// Every picture appears exactly once. Piece pictures (and the empty square) are
// whole board squares of 33 by 41 pixels; background tiles are 34 by 41, one
// pixel wider than a cell so that each tile overlaps its right neighbour; the
// title is 118 by 59. Codes that are not in the table (the promoted gold codes
// -111 and 111 among them) draw nothing. An unset background code is 0, the
// empty code, and therefore shows the empty square.
//
// The picture generator (tools/make_pictures) and the Qt canvas read the same
// table, so a picture's name and size are written down only here.
#pragma once

#include <optional>
#include <span>

#include "game/ports.h"

namespace zelkora {

struct PictureEntry {
    int code;               // the code given to 描画_絵
    Picture picture;
    const char* resource;   // file name in display/pictures/ and in the resources
    int width, height;      // pixels at scale 1
};

// All pictures, one row each, in the order of the Picture enumeration.
std::span<const PictureEntry> pictureTable();

// The picture drawn for a code, or nothing.
std::optional<Picture> pictureForCode(int code);

// The row of a picture.
const PictureEntry& pictureEntry(Picture picture);

}  // namespace zelkora
