// zelkora-cli: the rules and the computer player without a window, for
// scripting and for checking the rules against other implementations.
//
//   zelkora-cli <subcommand> [arguments] < positions
//   zelkora-cli --help | --version
//
// Each subcommand answers its input lines one by one (see cli/commands.h);
// this file only holds the table of subcommands and picks one by name.
#include <iostream>
#include <string>

#include "cli/commands.h"

namespace {

using zelkora::cli::Command;

const Command kCommands[] = {
    {"moves", "moves < positions", zelkora::cli::movesCommand},
    {"survey", "survey < positions", zelkora::cli::surveyCommand},
    {"probe", "probe < positions", zelkora::cli::probeCommand},
    {"legal", "legal < positions", zelkora::cli::legalCommand},
    {"bestmove", "bestmove [--level 1|2|3|4|5|6] [--seed S] [--trace] < positions", zelkora::cli::bestmoveCommand},
    {"match", "match --levels A,B --games N [--seed S] [--jobs N]", zelkora::cli::matchCommand},
    {"replay", "replay FILE", zelkora::cli::replayCommand},
    {"kif", "kif FILE", zelkora::cli::kifCommand},
    {"review", "review FILE", zelkora::cli::reviewCommand},
    {"lessons", "lessons", zelkora::cli::lessonsCommand},
};

void printUsage(std::ostream& out) {
    out << "usage:\n";
    for (const Command& c : kCommands) out << "  zelkora-cli " << c.usage << "\n";
    out << "  zelkora-cli --help | --version\n";
}

int usage() {
    printUsage(std::cerr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2) return usage();
    const std::string name = argv[1];
    if (name == "--help") {
        printUsage(std::cout);
        return 0;
    }
    if (name == "--version") {
        std::cout << "zelkora-cli " << ZELKORA_VERSION << "\n";
        return 0;
    }
    for (const Command& c : kCommands)
        if (name == c.name) return c.run(zelkora::cli::Args(argv + 2, argv + argc), std::cin, std::cout, std::cerr);
    std::cerr << "zelkora-cli: unknown subcommand '" << name << "'\n";
    return usage();
}
