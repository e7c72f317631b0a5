// Qt's Japanese translations from Debian's qt6-translations-l10n, and the
// game's English translation embedded at build time.
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace zelkora {
namespace {

// Both are children of the application and loaded once per application; the
// pointers turn null with it.
QPointer<QTranslator> qtJapanese;
QPointer<QTranslator> gameEnglish;

QTranslator* loaded(QCoreApplication& app, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(name, folder)) return translator;
    delete translator;
    return nullptr;
}

// Installed at most once: Qt would keep a second copy in its list.
void install(QTranslator* translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    QCoreApplication::installTranslator(translator);
}

}  // namespace

bool useLanguage(Language language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    if (!qtJapanese)
        qtJapanese = loaded(*app, QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!gameEnglish) gameEnglish = loaded(*app, QStringLiteral("zelkora_en"), QStringLiteral(":/i18n"));
    QTranslator* wanted = language == Language::English ? gameEnglish.data() : qtJapanese.data();
    QTranslator* other = language == Language::English ? qtJapanese.data() : gameEnglish.data();
    if (other) QCoreApplication::removeTranslator(other);
    install(wanted);
    return wanted != nullptr;
}

}  // namespace zelkora
