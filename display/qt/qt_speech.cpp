// Speaking through Qt TextToSpeech.
#include "display/qt/qt_speech.h"

#include <QLocale>
#include <QTextToSpeech>

namespace zelkora {

QtSpeech::QtSpeech() {
    const QStringList engines = QTextToSpeech::availableEngines();
    if (engines.isEmpty()) return;
    engine_ = std::make_unique<QTextToSpeech>(engines.first());
    QObject::connect(engine_.get(), &QTextToSpeech::stateChanged, engine_.get(), [this](QTextToSpeech::State state) {
        if (state == QTextToSpeech::Ready) speakNext();
    });
}

QtSpeech::~QtSpeech() = default;

bool QtSpeech::available() const { return engine_ && engine_->state() != QTextToSpeech::Error; }

void QtSpeech::say(const std::string& text, Language language) {
    if (!available()) return;
    waiting_.emplace_back(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), language);
    if (engine_->state() == QTextToSpeech::Ready) speakNext();
}

void QtSpeech::speakNext() {
    if (waiting_.empty() || !available()) return;
    const auto [text, language] = waiting_.front();
    waiting_.pop_front();
    const QLocale wanted(language == Language::English ? QLocale::English : QLocale::Japanese);
    for (const QLocale& locale : engine_->availableLocales())
        if (locale.language() == wanted.language()) {
            if (engine_->locale() != locale) engine_->setLocale(locale);
            break;
        }
    engine_->say(text);
}

}  // namespace zelkora
