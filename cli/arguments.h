// Numbers in the options of zelkora-cli: whole decimal numbers within a range,
// nothing else. "1x", "+3", " 3", "" and a number beyond the range are refused
// as a whole, so no option is ever read as a number other than the one typed.
#pragma once

#include <cstdint>
#include <string>

namespace zelkora::cli {

// Reads `text` as a whole decimal number from `min` to `max`; false otherwise.
bool wholeNumber(const std::string& text, std::uint64_t min, std::uint64_t max, std::uint64_t& value);

// The error line for an option whose value is not such a number.
std::string badNumber(const std::string& option, const std::string& value, std::uint64_t min, std::uint64_t max);

}  // namespace zelkora::cli
