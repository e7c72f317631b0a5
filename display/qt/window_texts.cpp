// Texts of the table through QCoreApplication::translate.
#include "display/qt/window_texts.h"

#include <QCoreApplication>

#include "display/qt/translation_key.h"

namespace zelkora {

QString windowText(Text id) {
    // The table's own wording, places like "{1}" included, is the source.
    const char* source = textTable()[static_cast<std::size_t>(id)].ja;
    const std::string disambiguation = translationDisambiguation(id);
    return QCoreApplication::translate(TRANSLATION_CONTEXT, source, disambiguation.c_str());
}

}  // namespace zelkora
