#include "game/sjis.h"

#include <cerrno>

#include <iconv.h>

namespace zelkora {

namespace {

// Converts with iconv; on an invalid or unconvertible sequence emits
// `replacement` and skips `skip` input bytes (one character of the source),
// counting the replacements in `replaced`.
std::string convert(const char* to, const char* from, const std::string& input, const std::string& replacement,
                    bool utf8Source, int* replaced = nullptr) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return input;
    std::string out;
    out.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* o = buffer;
        size_t oLeft = sizeof buffer;
        size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
        out.append(buffer, o - buffer);
        if (r != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: replace one source character and go on.
        out += replacement;
        if (replaced) ++*replaced;
        size_t skip = 1;
        if (utf8Source) {
            unsigned char c = static_cast<unsigned char>(*in);
            skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        } else {
            unsigned char c = static_cast<unsigned char>(*in);
            bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
            skip = (lead && inLeft >= 2) ? 2 : 1;
        }
        if (skip > inLeft) skip = inLeft;
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    char* o = buffer;
    size_t oLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, &o, &oLeft);
    out.append(buffer, o - buffer);
    iconv_close(cd);
    return out;
}

}  // namespace

std::string toShiftJis(const std::string& utf8) { return convert("CP932", "UTF-8", utf8, "?", true); }

bool fitsShiftJis(const std::string& utf8) {
    int replaced = 0;
    convert("CP932", "UTF-8", utf8, "?", true, &replaced);
    return replaced == 0;
}

std::string fromShiftJis(const std::string& sjis) { return convert("UTF-8", "CP932", sjis, "\xEF\xBF\xBD", false); }

}  // namespace zelkora
