// The player's progress in "入門": which lessons are done and whether the
// first start has offered the lessons, kept in one small file of the player's
// data folder (Places::dataFolder).
//
// The file is ASCII text in lines ended by CR LF:
//   offered=yes|no      the answer to the first start's offer (absent: not asked)
//   done=1,4,7          numbers of the lessons done (absent or empty: none)
// A missing file is a fresh start. A file that exists but cannot be read, or
// holds a line of any other form, marks the progress `locked`: it is used as
// empty and never written over, so nothing the player keeps there is lost.
#pragma once

#include <set>
#include <string>

#include "game/ports.h"

namespace zelkora {

enum class Offer { NotAsked, Accepted, Declined };

struct LessonProgress {
    std::set<int> done;             // lesson numbers, 1-based
    Offer offer = Offer::NotAsked;
    bool locked = false;            // the file could not be read: never written
};

// The progress file of these places.
std::string progressPath(const Places& places);

LessonProgress readProgress(const Files& files, const std::string& path);
// Writes the progress through the safe save; false when it is locked or the write failed.
bool writeProgress(Files& files, const std::string& path, const LessonProgress& progress);

}  // namespace zelkora
