#include "cli/arguments.h"

#include <charconv>

#include "cli/positions.h"

namespace zelkora::cli {

bool wholeNumber(const std::string& text, std::uint64_t min, std::uint64_t max, std::uint64_t& value) {
    if (text.empty() || text[0] < '0' || text[0] > '9') return false;
    std::uint64_t v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size() || v < min || v > max) return false;
    value = v;
    return true;
}

std::string badNumber(const std::string& option, const std::string& value, std::uint64_t min, std::uint64_t max) {
    return "error: " + option + " takes a whole number from " + std::to_string(min) + " to " + std::to_string(max) +
           ", not '" + escapedBytes(value) + "'\n";
}

}  // namespace zelkora::cli
