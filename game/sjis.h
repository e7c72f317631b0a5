// Conversion between UTF-8 and the Shift_JIS code page that record and settings
// files use. Files written on Windows are really code page 932, so the
// conversion uses iconv's "CP932" table (0x5C stays a backslash, ～ － ① work).
#pragma once

#include <string>

namespace zelkora {

// UTF-8 → CP932. Characters CP932 cannot hold are replaced by '?'.
std::string toShiftJis(const std::string& utf8);

// Whether CP932 holds every character of `utf8` (toShiftJis replaces none).
bool fitsShiftJis(const std::string& utf8);

// CP932 → UTF-8. Invalid bytes are replaced by U+FFFD; the conversion never fails.
std::string fromShiftJis(const std::string& sjis);

}  // namespace zelkora
