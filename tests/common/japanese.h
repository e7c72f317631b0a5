// Whether a UTF-8 text holds Japanese: what an English screen or text must not.
#pragma once

#include <string>

namespace zelkora::testing {

// Kana (full and half width), kanji and the CJK punctuation and full-width forms.
inline bool holdsJapanese(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char b = static_cast<unsigned char>(utf8[i]);
        char32_t c = b;
        int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        if (n > 1) c = b & (0xFF >> (n + 1));
        for (int k = 1; k < n && i + k < utf8.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += n;
        if ((c >= 0x3000 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF01 && c <= 0xFF9F)) return true;
    }
    return false;
}

}  // namespace zelkora::testing
