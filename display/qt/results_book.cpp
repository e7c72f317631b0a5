// Reading, counting into and writing the results file.
#include "display/qt/results_book.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "game/texts.h"

namespace zelkora {

namespace {

constexpr int FORMAT_VERSION = 1;
constexpr std::size_t RESULTS_MAX_BYTES = 1024 * 1024;

// The fields of one row in file order, with their members.
struct Field {
    const char* name;
    int ResultCounts::*member;
};
constexpr Field FIELDS[] = {{"games", &ResultCounts::games},          {"wins", &ResultCounts::wins},
                            {"losses", &ResultCounts::losses},        {"streak", &ResultCounts::streak},
                            {"bestStreak", &ResultCounts::bestStreak}, {"mattaGames", &ResultCounts::mattaGames},
                            {"hintGames", &ResultCounts::hintGames}};

// A whole number of the object within [low, high], or nothing.
std::optional<int> wholeNumber(const QJsonObject& o, const char* key, int low, int high) {
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble()) return std::nullopt;
    const double d = v.toDouble();
    if (d != static_cast<int>(d) || d < low || d > high) return std::nullopt;
    return static_cast<int>(d);
}

bool consistent(const ResultCounts& c) {
    return c.wins + c.losses == c.games && c.streak <= c.bestStreak && c.bestStreak <= c.wins &&
           c.mattaGames <= c.games && c.hintGames <= c.games;
}

}  // namespace

QByteArray resultsToJson(const ResultsTable& table) {
    QJsonArray rows;
    for (const auto& [key, counts] : table) {
        QJsonObject row{{"level", key.level}, {"grade", key.grade}};
        for (const Field& f : FIELDS) row.insert(QLatin1String(f.name), counts.*f.member);
        rows.append(row);
    }
    return QJsonDocument(QJsonObject{{"version", FORMAT_VERSION}, {"results", rows}}).toJson();
}

std::optional<ResultsTable> resultsFromJson(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    const QJsonObject top = document.object();
    if (wholeNumber(top, "version", FORMAT_VERSION, FORMAT_VERSION) == std::nullopt || !top.value("results").isArray())
        return std::nullopt;
    ResultsTable table;
    for (const QJsonValue& value : top.value("results").toArray()) {
        const QJsonObject row = value.toObject();
        const auto level = wholeNumber(row, "level", 1, 9), grade = wholeNumber(row, "grade", -10, 10);
        if (!value.isObject() || !level || !grade) return std::nullopt;
        ResultCounts counts;
        for (const Field& f : FIELDS) {
            const auto n = wholeNumber(row, f.name, 0, 1 << 30);
            if (!n) return std::nullopt;
            counts.*f.member = *n;
        }
        if (!consistent(counts) || !table.emplace(ResultKey{*level, *grade}, counts).second) return std::nullopt;
    }
    return table;
}

ResultsBook::ResultsBook(Files& files, Dialogs& dialogs, std::string folder, std::function<Language()> language)
    : files_(files), dialogs_(dialogs), folder_(std::move(folder)), language_(std::move(language)) {}

ResultsTable ResultsBook::table() { return load().value_or(ResultsTable{}); }

std::optional<ResultsTable> ResultsBook::load() {
    std::vector<std::uint8_t> bytes;
    if (!files_.exists(path())) return ResultsTable{};
    files_.readAll(path(), RESULTS_MAX_BYTES, bytes);
    const auto table = resultsFromJson(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<qsizetype>(bytes.size())));
    if (table) return *table;
    // Kept aside under a name with the date, never overwritten.
    const std::string aside =
        path() + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString();
    if (!files_.rename(path(), aside)) return std::nullopt;
    dialogs_.message(textIn(language(), Text::RESULTS_DAMAGED, {aside}), textIn(language(), Text::MENU_SEISEKI),
                     Buttons::Ok, Icon::Warning);
    return ResultsTable{};
}

void ResultsBook::save(const ResultsTable& table) {
    const QByteArray json = resultsToJson(table);
    if (!files_.writeAll(path(), std::vector<std::uint8_t>(json.begin(), json.end()), RESULTS_MAX_BYTES))
        dialogs_.message(textIn(language(), Text::RESULTS_UNWRITABLE, {path()}), textIn(language(), Text::MENU_SEISEKI),
                         Buttons::Ok, Icon::Warning);
}

void ResultsBook::record(const GameResult& game) {
    // A damaged file that could not be set aside is left as it is.
    std::optional<ResultsTable> t = load();
    if (!t) return;
    countGame(*t, game);
    save(*t);
}

void ResultsBook::show() {
    if (onShow) onShow();
}

bool ResultsBook::reset() {
    if (dialogs_.message(textIn(language(), Text::RESULTS_RESET_QUESTION), textIn(language(), Text::MENU_SEISEKI),
                         Buttons::YesNo) != Answer::Yes)
        return false;
    save({});
    return true;
}

}  // namespace zelkora
