// The four sounds of the game, synthesised from sines and a little noise.
//
// Every sound is mono at RATE frames per second with samples in -1..1. The
// effects start and end at silence; the music is rendered on a circle of
// exactly its length (notes running past the end continue at the start), so
// played in a loop it joins without a click. Everything is deterministic: the
// same program writes the same files.
#pragma once

#include <vector>

namespace makesounds {

constexpr int RATE = 22050;

std::vector<double> chime();   // "その他.wav": a soft two-note chime
std::vector<double> buzz();    // "禁止.wav": a short low buzz
std::vector<double> click();   // "駒打音.wav": a piece set down on wood
std::vector<double> music();   // "BGM.wav": a calm pentatonic loop of 32 s

}  // namespace makesounds
