#include "tests/common/fakes.h"

#include <cmath>

#include <gtest/gtest.h>

namespace zelkora::testing {

void RecordingCanvas::drawPicture(zelkora::Picture picture, double x, double y) {
    CanvasCall c;
    c.kind = CanvasCall::Picture;
    c.picture = picture;
    c.x = x;
    c.y = y;
    calls.push_back(c);
}

void RecordingCanvas::outline(double x1, double y1, double x2, double y2, int colour) {
    CanvasCall c;
    c.kind = CanvasCall::Outline;
    c.x = x1; c.y = y1; c.x2 = x2; c.y2 = y2; c.colour = colour;
    calls.push_back(c);
}

void RecordingCanvas::setFont(double p, bool b, int col) {
    points = p; bold = b; colour = col;
    CanvasCall c;
    c.kind = CanvasCall::Font;
    c.points = p; c.bold = b; c.colour = col;
    calls.push_back(c);
}

void RecordingCanvas::drawText(double x, double y, const std::string& text) {
    CanvasCall c;
    c.kind = CanvasCall::Text;
    c.x = x; c.y = y; c.text = text; c.colour = colour; c.points = points; c.bold = bold;
    calls.push_back(c);
}

void RecordingCanvas::refresh() { CanvasCall c;
    c.kind = CanvasCall::Refresh;
    calls.push_back(c); }

std::vector<CanvasCall> RecordingCanvas::of(CanvasCall::Kind kind) const {
    std::vector<CanvasCall> out;
    for (const auto& c : calls)
        if (c.kind == kind) out.push_back(c);
    return out;
}

std::vector<RecordingCanvas::DrawnText> RecordingCanvas::texts() const {
    std::vector<DrawnText> out;
    for (const auto& c : calls)
        if (c.kind == CanvasCall::Text) out.push_back({c.x, c.y, c.text, c.colour, c.points, c.bold});
    return out;
}

std::vector<int> RecordingCanvas::outlinesOfCell(int c, int r) const {
    std::vector<int> out;
    const double x1 = 1050 + 495.0 * c, y1 = 100 + 615.0 * r;
    for (const auto& call : calls)
        if (call.kind == CanvasCall::Outline && std::abs(call.x - x1) < 0.01 && std::abs(call.y - y1) < 0.01 &&
            std::abs(call.x2 - (x1 + 495)) < 0.01 && std::abs(call.y2 - (y1 + 615)) < 0.01)
            out.push_back(call.colour);
    return out;
}

Answer ScriptedDialogs::message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    shown.push_back({text, title, buttons, icon});
    if (!answers.empty()) {
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void FakePanel::setListsVisible(bool d, bool f, bool fl) {
    drives = d; folders = f; files = fl;
    log.push_back(std::string("lists ") + (d ? "1" : "0") + (f ? "1" : "0") + (fl ? "1" : "0"));
}

void FakePanel::setTextGroupVisible(bool visible) {
    textGroup = visible;
    log.push_back(visible ? "text shown" : "text hidden");
}

void FakePanel::clearTexts() {
    fields.clear();
    log.push_back("text cleared");
}

std::string FakePanel::text(int field) const {
    auto it = fields.find(field);
    return it == fields.end() ? std::string() : it->second;
}

void FakeWorker::run(std::function<void()> job, std::function<void()> done) {
    if (hold) {
        jobs_.emplace_back(std::move(job), std::move(done));
        return;
    }
    job();
    done();
}

void FakeWorker::after(double seconds, std::function<void()> done) {
    waits.push_back(seconds);
    if (hold) timers_.push_back(std::move(done));
    else done();
}

void FakeWorker::finishJobs() {
    auto jobs = std::move(jobs_);
    jobs_.clear();
    for (auto& [job, done] : jobs) {
        job();
        done();
    }
}

void FakeWorker::endWaits() {
    auto timers = std::move(timers_);
    timers_.clear();
    for (auto& done : timers) done();
}

bool FakeMenu::isChecked(const std::string& item) const {
    auto it = checks.find(item);
    return it != checks.end() && it->second;
}

std::int32_t RecordingSound::dsInitialize(std::int32_t) {
    log.push_back("dsInitialize");
    return deviceAvailable ? next++ : 0;
}

void RecordingSound::dsTerminate(std::int32_t device) { log.push_back("dsTerminate(" + std::to_string(device) + ")"); }

std::int32_t RecordingSound::dsCreateDSB(std::int32_t device, const std::uint8_t*, std::int32_t, std::int32_t flags) {
    log.push_back("dsCreateDSB(" + std::to_string(device) + "," + std::to_string(flags) + ")");
    return device ? next++ : 0;
}

void RecordingSound::dsFree(std::int32_t buffer) { log.push_back("dsFree(" + std::to_string(buffer) + ")"); }
void RecordingSound::dsPlay(std::int32_t buffer) { log.push_back("dsPlay(" + std::to_string(buffer) + ")"); }
void RecordingSound::dsPlayLooping(std::int32_t buffer) { log.push_back("dsPlayLooping(" + std::to_string(buffer) + ")"); }
void RecordingSound::dsStop(std::int32_t buffer) { log.push_back("dsStop(" + std::to_string(buffer) + ")"); }

ReadResult MemoryFiles::readAll(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes) const {
    bytes.clear();
    auto it = files.find(path);
    if (it == files.end() || unreadable.count(path)) return ReadResult::Unreadable;
    if (it->second.size() > limit) return ReadResult::TooLarge;
    bytes = it->second;
    return ReadResult::Ok;
}

bool MemoryFiles::writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t) {
    if (readOnly) return false;
    files[path] = bytes;
    return true;
}

bool MemoryFiles::remove(const std::string& path) {
    if (readOnly) return false;
    files.erase(path);
    return true;
}

bool MemoryFiles::rename(const std::string& from, const std::string& to) {
    auto it = files.find(from);
    if (readOnly || it == files.end()) return false;
    files[to] = it->second;
    files.erase(from);
    return true;
}

void MemoryFiles::put(const std::string& path, const std::string& bytes) {
    files[path] = std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

std::string MemoryFiles::get(const std::string& path) const {
    auto it = files.find(path);
    return it == files.end() ? std::string() : std::string(it->second.begin(), it->second.end());
}

Harness::Harness() {
    for (const char* wave : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"}) files.put(wave, "RIFF");
    Ports ports;
    ports.canvas = &canvas;
    ports.dialogs = &dialogs;
    ports.panel = &panel;
    ports.menu = &menu;
    ports.sound = &sound;
    ports.clock = &clock;
    ports.window = &window;
    ports.files = &files;
    ports.worker = &worker;
    form = std::make_unique<Form1>(ports);
}

void Harness::start() { form->Form_Load(); }

void Harness::setPosition(const std::string& sfen) {
    Position p;
    std::string error;
    ASSERT_TRUE(parseSfen(sfen, p, error)) << sfen << ": " << error;
    loadPosition(*form, p);
}

void Harness::clearLogs() {
    canvas.clear();
    dialogs.shown.clear();
    panel.log.clear();
    sound.log.clear();
}

std::string position(const Form1& f) {
    std::string s = formatSfen(f.board, f.hands, true, 0);
    return s.substr(0, s.rfind(' '));
}

std::unique_ptr<Harness> positionHarness(const std::string& sfen) {
    auto h = std::make_unique<Harness>();
    h->setPosition(sfen);
    return h;
}

}  // namespace zelkora::testing
