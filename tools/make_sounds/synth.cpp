// Synthesis of the chime, the buzz, the click and the music.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace makesounds {

namespace {

constexpr double TWO_PI = 2 * std::numbers::pi;

// One sine partial of a struck sound: frequency ratio to the note, amplitude,
// and how many times faster than the note it dies away.
struct Partial {
    double ratio, amplitude, decayFactor;
};

// Adds a struck note: a short raised-cosine attack, then each partial decays
// exponentially with time constant tau / decayFactor. With `wrap` the note is
// written round the end of `out` to its start.
void addStruck(std::vector<double>& out, double startSeconds, double frequency, double amplitude, double tau,
               double lengthSeconds, const std::vector<Partial>& partials, bool wrap = false) {
    const auto n = static_cast<long>(out.size());
    const long start = std::lround(startSeconds * RATE);
    const long length = std::lround(lengthSeconds * RATE);
    const double attack = 0.005 * RATE;
    for (long i = 0; i < length; ++i) {
        long at = start + i;
        if (wrap) at %= n;
        if (at >= n) break;
        const double t = static_cast<double>(i) / RATE;
        const double rise = i < attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * i / attack) : 1.0;
        // The last 50 ms fade to zero so a note never ends on a step.
        const double fall = i > length - 0.05 * RATE ? (length - i) / (0.05 * RATE) : 1.0;
        double v = 0;
        for (const Partial& p : partials)
            if (frequency * p.ratio < RATE / 2.0)
                v += p.amplitude * std::exp(-t * p.decayFactor / tau) * std::sin(TWO_PI * frequency * p.ratio * t);
        out[static_cast<std::size_t>(at)] += amplitude * rise * fall * v;
    }
}

void normalise(std::vector<double>& s, double peak) {
    double top = 0;
    for (double v : s) top = std::max(top, std::abs(v));
    if (top > 0)
        for (double& v : s) v *= peak / top;
}

// Raised-cosine fades at both ends, so an effect starts and ends at silence.
void fadeEnds(std::vector<double>& s, double inSeconds, double outSeconds) {
    const auto n = s.size();
    const auto in = static_cast<std::size_t>(inSeconds * RATE), out = static_cast<std::size_t>(outSeconds * RATE);
    for (std::size_t i = 0; i < in && i < n; ++i) s[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / in);
    for (std::size_t i = 0; i < out && i < n; ++i) s[n - 1 - i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * i / out);
}

double noteFrequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

}  // namespace

std::vector<double> chime() {
    std::vector<double> s(static_cast<std::size_t>(1.6 * RATE), 0.0);
    const std::vector<Partial> bell = {{1.0, 1.0, 1.0}, {2.0, 0.35, 1.8}, {3.01, 0.12, 2.6}, {4.17, 0.05, 3.5}};
    addStruck(s, 0.00, noteFrequency(79), 0.8, 0.45, 1.6, bell);   // G5
    addStruck(s, 0.16, noteFrequency(84), 1.0, 0.55, 1.44, bell);  // C6
    fadeEnds(s, 0.002, 0.08);
    normalise(s, 0.45);
    return s;
}

std::vector<double> buzz() {
    const std::size_t n = static_cast<std::size_t>(0.32 * RATE);
    std::vector<double> s(n, 0.0);
    const double f = noteFrequency(43);   // G2, about 98 Hz
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / RATE;
        // A band-limited sawtooth with softened upper harmonics, and a slow
        // tremolo that makes it rasp.
        double v = 0;
        for (int k = 1; k * f < 5000; ++k) v += std::sin(TWO_PI * k * f * t) / (k * std::sqrt(k));
        s[i] = v * (0.8 + 0.2 * std::sin(TWO_PI * 24 * t));
    }
    fadeEnds(s, 0.008, 0.05);
    normalise(s, 0.6);
    return s;
}

std::vector<double> click() {
    std::vector<double> s(static_cast<std::size_t>(0.12 * RATE), 0.0);
    // Modes of a small wooden body: bright and dying within a few tens of ms.
    const std::vector<Partial> wood = {
        {1.0, 1.0, 1.0}, {1.93, 0.6, 1.7}, {2.87, 0.35, 2.8}, {4.1, 0.2, 4.5}};
    addStruck(s, 0.0, 900, 1.0, 0.022, 0.12, wood);
    // The impact itself: a few milliseconds of softened noise.
    std::uint32_t x = 0x2545F491u;
    double low = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.012 * RATE); ++i) {
        x = x * 1664525u + 1013904223u;
        const double white = static_cast<double>(x >> 8) / (1u << 24) * 2 - 1;
        low += 0.45 * (white - low);
        s[i] += 0.9 * low * std::exp(-static_cast<double>(i) / (0.0025 * RATE));
    }
    fadeEnds(s, 0.0005, 0.03);
    normalise(s, 0.8);
    return s;
}

namespace {

// The music: 8 bars of 4 beats at 60 beats a minute, in C major pentatonic
// (C D E G A). Times and lengths are in beats, notes as MIDI numbers.
constexpr int BEATS = 32;
constexpr double BEAT = 1.0;   // seconds

struct Note {
    double beat, length;
    int midi;
};

// Each bar's chord, low to high, all of the scale.
const int chords[8][3] = {{48, 55, 64}, {45, 52, 60}, {50, 57, 64}, {43, 50, 57},
                          {48, 55, 64}, {45, 52, 55}, {50, 57, 60}, {43, 50, 55}};

const Note melody[] = {
    {0, 1, 76},    {1, 1, 79},    {2, 1.5, 81},  {3.5, 0.5, 79},                  // E G A G
    {4, 2, 76},    {6, 1, 74},    {7, 1, 72},                                     // E D C
    {8, 1, 74},    {9, 1, 76},    {10, 1.5, 81}, {11.5, 0.5, 79},                 // D E A G
    {12, 1, 76},   {13, 1, 74},   {14.5, 1.5, 69},                                // E D A
    {16, 1, 79},   {17, 0.5, 81}, {17.5, 1.5, 84}, {19, 1, 81},                   // G A C A
    {20, 1.5, 79}, {21.5, 0.5, 76}, {22, 1, 74}, {23, 1, 76},                     // G E D E
    {24, 1, 72},   {25, 1, 74},   {26, 1, 76},  {27, 1, 79},                      // C D E G
    {28, 2, 74},   {30, 1, 69},   {31, 1, 72},                                    // D A C
};

// A sustained pad note: slow swell and release, two slightly detuned voices.
void addPad(std::vector<double>& out, double startSeconds, double seconds, double frequency, double amplitude) {
    const auto n = static_cast<long>(out.size());
    const long start = std::lround(startSeconds * RATE);
    const double rise = 0.6, release = 1.2;
    const long length = std::lround((seconds + release) * RATE);
    for (long i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / RATE;
        double envelope = std::min(1.0, t / rise);
        if (t > seconds) envelope *= std::max(0.0, 1.0 - (t - seconds) / release);
        envelope = envelope * envelope * (3 - 2 * envelope);   // smooth at both ends
        double v = 0;
        for (double detune : {0.9985, 1.0015}) {
            const double w = TWO_PI * frequency * detune * t;
            v += std::sin(w) + 0.25 * std::sin(2 * w) + 0.08 * std::sin(3 * w);
        }
        out[static_cast<std::size_t>((start + i) % n)] += amplitude * envelope * v;
    }
}

}  // namespace

std::vector<double> music() {
    std::vector<double> s(static_cast<std::size_t>(BEATS * BEAT * RATE), 0.0);
    const std::vector<Partial> pluck = {{1.0, 1.0, 1.0}, {2.0, 0.4, 1.6}, {3.0, 0.15, 2.4}, {4.0, 0.05, 3.2}};
    for (int bar = 0; bar < 8; ++bar) {
        const double start = bar * 4 * BEAT;
        for (int midi : chords[bar]) addPad(s, start, 4 * BEAT, noteFrequency(midi), 0.05);
        // A quiet arpeggio of the chord an octave up, on the off-beats.
        for (int beat = 0; beat < 4; ++beat)
            addStruck(s, start + (beat + 0.5) * BEAT, noteFrequency(chords[bar][beat % 3] + 12), 0.12, 0.5, 2.0,
                      pluck, true);
    }
    for (const Note& note : melody)
        addStruck(s, note.beat * BEAT, noteFrequency(note.midi), 0.3, 0.5 + 0.4 * note.length, 1.0 + 2 * note.length,
                  pluck, true);
    normalise(s, 0.5);
    return s;
}

}  // namespace makesounds
