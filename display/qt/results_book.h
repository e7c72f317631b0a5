// The player's results against the computer as a small JSON file, and the
// core's Results port over it.
//
// The file "成績.json" in the data folder holds one object per level and
// handicap grade with its counts (results/results_table.h). Every finished
// game reads the file, counts the game in and writes it back through the file
// port's safe save, so two copies of the program lose at most each other's
// game in between, never the file. A file that cannot be read as results is
// never overwritten: it is renamed aside with the date and time ("成績.json.
// damaged-YYYYMMDD-HHMMSS"), the player is told, and counting starts afresh.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QByteArray>

#include "game/ports.h"
#include "results/results_table.h"

namespace zelkora {

inline constexpr const char* RESULTS_FILE = "成績.json";

QByteArray resultsToJson(const ResultsTable& table);
// The table, or nothing when the bytes are not results written by this game.
std::optional<ResultsTable> resultsFromJson(const QByteArray& bytes);

class ResultsBook : public Results {
public:
    ResultsBook(Files& files, Dialogs& dialogs, std::string folder, std::function<Language()> language);

    void record(const GameResult& game) override;
    // Opens the results window (ResultsBook::onShow, set by the window layer).
    void show() override;
    std::function<void()> onShow;

    // The results as the file holds them now (a damaged file is set aside).
    ResultsTable table();
    // Asks first; on Yes every count goes. Answers whether they went.
    bool reset();
    Language language() const { return language_(); }
    std::string path() const { return pathIn(folder_, RESULTS_FILE); }

private:
    // Nothing only when the file is damaged and could not be set aside.
    std::optional<ResultsTable> load();
    void save(const ResultsTable& table);

    Files& files_;
    Dialogs& dialogs_;
    std::string folder_;
    std::function<Language()> language_;
};

}  // namespace zelkora
