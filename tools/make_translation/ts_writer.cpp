// Writing the translation source.
#include "tools/make_translation/ts_writer.h"

#include "display/qt/translation_key.h"

namespace zelkora {

bool xmlEscaped(const std::string& text, std::string& out) {
    out.clear();
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        case '\t': out += "&#9;"; break;
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) return false;
            out += c;
        }
    }
    return true;
}

bool writeTranslation(std::span<const TextEntry> table, std::ostream& out, std::ostream& errors) {
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<!DOCTYPE TS>\n"
           "<TS version=\"2.1\" language=\"en\" sourcelanguage=\"ja\">\n"
           "<context>\n"
           "    <name>"
        << TRANSLATION_CONTEXT << "</name>\n";
    std::string source, translation;
    for (const TextEntry& entry : table) {
        const int number = static_cast<int>(entry.id);
        if (!xmlEscaped(entry.ja, source) || !xmlEscaped(entry.en, translation)) {
            errors << "text " << number << " holds a control character XML cannot carry\n";
            return false;
        }
        out << "    <message>\n"
               "        <source>" << source << "</source>\n"
               "        <comment>" << translationDisambiguation(entry.id) << "</comment>\n"
               "        <translation>" << translation << "</translation>\n"
               "    </message>\n";
    }
    out << "</context>\n</TS>\n";
    return static_cast<bool>(out);
}

}  // namespace zelkora
