// The results file: counts survive a write and a read, a damaged file is kept
// aside under a dated name (never silently reset) and counting goes on in a
// new one, and the reset asks first.
#include <gtest/gtest.h>

#include "display/qt/results_book.h"
#include "tests/common/fakes.h"

namespace zelkora::testing {
namespace {

struct Book {
    MemoryFiles files;
    ScriptedDialogs dialogs;
    ResultsBook book{files, dialogs, "data", [] { return Language::Japanese; }};
};

TEST(ResultsBook, CountsSurviveTheFile) {
    Book b;
    b.book.record({4, 1, true, true, false});
    b.book.record({4, 1, false, false, true});
    b.book.record({1, 0, true, false, false});
    const ResultsTable table = b.book.table();
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table.at(ResultKey{4, 1}), (ResultCounts{2, 1, 1, 0, 1, 1, 1}));
    EXPECT_TRUE(b.dialogs.shown.empty());
}

TEST(ResultsBook, DamagedFileIsKeptAside) {
    for (const char* damaged : {"{\"version\": 1, \"results\": [", "{\"version\":1,\"results\":[{\"level\":3}]}",
                                "{\"version\":1,\"results\":[{\"level\":3,\"grade\":0,\"games\":1,\"wins\":1,"
                                "\"losses\":1,\"streak\":0,\"bestStreak\":0,\"mattaGames\":0,\"hintGames\":0}]}"}) {
        Book b;
        b.files.put("data/成績.json", damaged);
        b.book.record({3, 0, true, false, false});
        std::string aside;
        for (const auto& [path, bytes] : b.files.files)
            if (path.rfind("data/成績.json.damaged-", 0) == 0) aside = path;
        ASSERT_FALSE(aside.empty()) << damaged;
        EXPECT_EQ(b.files.get(aside), damaged);
        EXPECT_EQ(b.book.table().at(ResultKey{3, 0}).games, 1);
        ASSERT_EQ(b.dialogs.shown.size(), 1u);
        EXPECT_NE(b.dialogs.shown[0].text.find(aside), std::string::npos);
    }
}

TEST(ResultsBook, ResetAsksFirst) {
    Book b;
    b.book.record({3, 0, true, false, false});
    b.dialogs.answers = {Answer::No};
    EXPECT_FALSE(b.book.reset());
    EXPECT_EQ(b.book.table().size(), 1u);
    b.dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(b.book.reset());
    EXPECT_TRUE(b.book.table().empty());
    EXPECT_EQ(b.dialogs.shown.back().buttons, Buttons::YesNo);
}

}  // namespace
}  // namespace zelkora::testing
