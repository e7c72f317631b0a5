// make_sounds: writes the game's wave files into the folder given as the only
// argument (the program's sound/waves folder when regenerating them).
#include <cstdio>
#include <string>

#include "synth.h"
#include "wav_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    struct Output {
        const char* name;
        std::vector<double> (*make)();
    };
    const Output outputs[] = {{"その他.wav", makesounds::chime},
                              {"禁止.wav", makesounds::buzz},
                              {"駒打音.wav", makesounds::click},
                              {"BGM.wav", makesounds::music}};
    for (const Output& o : outputs) {
        const std::string path = folder + "/" + o.name;
        if (!makesounds::writeWave(path, makesounds::toPcm16(o.make()), makesounds::RATE)) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
