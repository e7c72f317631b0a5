// Reading and writing the lessons' progress file.
#include "lessons/progress.h"

#include <sstream>

#include "lessons/lesson_table.h"

namespace zelkora {

namespace {

constexpr const char* FILE_NAME = "Zelkora-lessons.txt";
constexpr std::size_t LIMIT = 4096;   // a few short lines; anything larger is not ours

// "1,4,7" into `done`; false on anything that is not a lesson number.
bool parseDone(const std::string& list, std::set<int>& done) {
    std::stringstream in(list);
    std::string item;
    const int count = static_cast<int>(lessonTable().size());
    while (std::getline(in, item, ',')) {
        if (item.empty() || item.size() > 3 || item.find_first_not_of("0123456789") != std::string::npos) return false;
        const int n = std::stoi(item);
        if (n < 1 || n > count) return false;
        done.insert(n);
    }
    return true;
}

bool parseLine(const std::string& line, LessonProgress& p) {
    if (line == "offered=yes") p.offer = Offer::Accepted;
    else if (line == "offered=no") p.offer = Offer::Declined;
    else if (line.rfind("done=", 0) == 0) return parseDone(line.substr(5), p.done);
    else return line.empty();
    return true;
}

}  // namespace

std::string progressPath(const Places& places) { return pathIn(places.dataFolder, FILE_NAME); }

LessonProgress readProgress(const Files& files, const std::string& path) {
    LessonProgress p;
    if (!files.exists(path)) return p;
    std::vector<std::uint8_t> bytes;
    if (files.readAll(path, LIMIT, bytes) != ReadResult::Ok) {
        p.locked = true;
        return p;
    }
    std::stringstream in(std::string(bytes.begin(), bytes.end()));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!parseLine(line, p)) return LessonProgress{{}, Offer::NotAsked, true};
    }
    return p;
}

bool writeProgress(Files& files, const std::string& path, const LessonProgress& progress) {
    if (progress.locked) return false;
    std::string text;
    if (progress.offer != Offer::NotAsked)
        text += progress.offer == Offer::Accepted ? "offered=yes\r\n" : "offered=no\r\n";
    text += "done=";
    bool first = true;
    for (int n : progress.done) {
        if (!first) text += ',';
        text += std::to_string(n);
        first = false;
    }
    text += "\r\n";
    return files.writeAll(path, std::vector<std::uint8_t>(text.begin(), text.end()), LIMIT);
}

}  // namespace zelkora
