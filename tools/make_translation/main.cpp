// make_translation OUT.ts: the English translation source of the game's texts.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "tools/make_translation/ts_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make_translation OUT.ts\n", stderr);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return zelkora::writeTranslation(zelkora::textTable(), out, std::cerr) ? 0 : 1;
}
