// Answering SFEN positions one line at a time, each on a fresh game state.
//
// Every non-blank input line is parsed as SFEN and put on a Form1 in the state
// of a freshly started program (all influence arrays zeroed, upper_guard_x and
// upper_guard_y included; two-pawn flags 0; no move made), so no answer depends
// on an earlier line. A bad line gets "error: <reason>" and the run goes on.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "game/null_ports.h"
#include "game/Form1.h"

namespace zelkora::cli {

// A Form1 on null ports, as the window would create it (start-up not run).
std::unique_ptr<Form1> freshForm(NullPorts& ports);

// Calls `answer` for every SFEN line of `in` with a fresh Form1 holding the
// position; what `answer` appends to its string is written to `out`. Blank
// lines are skipped. Returns 1 if any line was not a valid SFEN, else 0.
int forEachPosition(std::istream& in, std::ostream& out,
                    const std::function<void(Form1& form, std::string& text)>& answer);

// `text` with control bytes, backslashes and bytes that are not well-formed
// UTF-8 written as \xHH, so an error line never carries a raw NUL or broken
// text; printable ASCII and whole UTF-8 characters stay as they are.
std::string escapedBytes(const std::string& text);

// Appends the decimal form of `value`.
void appendInt(std::string& text, int value);

}  // namespace zelkora::cli
