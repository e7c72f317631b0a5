// zelkora-cli kif FILE: the same KIF as "KIF書出" for the record "書込" wrote,
// and an error for a record that cannot be stepped through.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "cli/commands.h"
#include "tests/common/fakes.h"

namespace zelkora::cli {
namespace {

namespace fs = std::filesystem;

// Upper side first, with a capture, a recapture and a drop.
const std::vector<MoveRecord> GAME = {
    {7, 3, 7, 4, 0, 10, 10}, {3, 7, 3, 6, 0, -10, -10}, {8, 2, 2, 8, -800, 800, 801},
    {3, 9, 2, 8, 801, -100, -100}, {-1, 6, 5, 5, 0, 800, 800}};

int run(const std::string& path, std::string& out) {
    std::istringstream in;
    std::ostringstream o, err;
    const int status = kifCommand({path}, in, o, err);
    out = o.str();
    return status;
}

TEST(KifCommand, PrintsWhatKifExportWritesForTheSameGame) {
    testing::Harness h;
    h.start();
    for (std::size_t i = 0; i < GAME.size(); ++i) h->moves.entry[i + 1] = GAME[i];
    h->moves.count = static_cast<int>(GAME.size());
    h->turn.lowerTag = GOTE;
    h->turn.upperTag = SENTE;
    const std::map<int, std::string> fields = {{1, "g"}, {2, "対局"}, {3, "コンピュータ"}, {4, "あなた"}};
    h->KIFU_WRITE_Click();
    h.panel.fields = fields;
    h->Command1_Click();
    h->KIFU_KIF_Click();
    h.panel.fields = fields;
    h.panel.fields[1] = "g.kifu";
    h->Command1_Click();

    const fs::path file = fs::temp_directory_path() / ("zelkora-kif-" + std::to_string(::getpid()) + ".棋譜");
    std::ofstream(file, std::ios::binary) << h.files.get("./g.棋譜");
    std::string out;
    EXPECT_EQ(run(file.string(), out), 0);
    EXPECT_EQ(out, h.files.get("./g.kifu"));
    EXPECT_NE(out.find("後手番\r\n先手：あなた\r\n後手：コンピュータ\r\n"), std::string::npos);

    // An entry that drops a piece nobody holds.
    std::ofstream(file, std::ios::binary) << "a\r\nb\r\nc\r\n11855-800-800   0\r\n";
    EXPECT_EQ(run(file.string(), out), 1);
    EXPECT_EQ(out, "error: entry 1 (line 4): drop of a piece the hand does not hold\n");
    fs::remove(file);
}

}  // namespace
}  // namespace zelkora::cli
