#pragma once

#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QPair>
#include <QTranslator>
#include <functional>
#include <optional>

#include "platform/language.h"

namespace vemrik {

/// What the window speaks: Polish as the code writes it, English from the catalogue built into
/// the program, or a pseudo-language that wraps and lengthens every text, so that tests see any
/// text which never passed through translation.
enum class Speech { Polish, English, Pseudo };

/// The program's one translator. It remembers which source gave each text it handed out, so that
/// a window can say its texts again in another language without being built anew.
class Catalogue : public QTranslator {
public:
    Catalogue();

    /// Installs the catalogue on the application (once) and speaks `speech` from now on; widgets
    /// receive QEvent::LanguageChange.
    void speak(Speech speech);
    Speech speech() const { return speech_; }
    /// The language the core's messages are given in.
    Language language() const { return speech_ == Speech::English ? Language::English : Language::Polish; }

    /// Whether the English catalogue was found in the program.
    bool hasEnglish() const { return englishLoaded_; }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation = nullptr,
                      int n = -1) const override;

    /// The context and source text of a text this catalogue gave out, if it gave it out.
    std::optional<QPair<QByteArray, QByteArray>> sourceOf(const QString& shown) const;
    /// `shown` in the current language when it came from this catalogue, else nullopt.
    std::optional<QString> again(const QString& shown) const;

    /// The application's catalogue, made on first use.
    static Catalogue& instance();

private:
    QString english(const char* context, const char* source, const char* disambiguation, int n) const;

    Speech speech_ = Speech::Polish;
    QTranslator english_;
    QTranslator qtPolish_;
    bool englishLoaded_ = false;
    mutable QMutex givenLock_;
    mutable QHash<QString, QPair<QByteArray, QByteArray>> given_;
};

/// `text` in the pseudo-language: letters accented, wrapped in brackets and lengthened; mnemonic
/// markers, %1 arguments and the tags of rich text kept.
QString pseudoText(const QString& text);

/// How the language spoken writes numbers: a decimal comma in Polish, a point in English.
QLocale numberLocale();

/// The speech the program starts in: the one kept in the settings, else the environment's.
Speech startingSpeech();
/// Keeps `speech` in the settings for the next start.
void keepSpeech(Speech speech);

/// Puts every text under `root` (itself, its children, their actions) that the catalogue gave out
/// into the current language: captions, titles, tooltips, tab texts, combo box items, table
/// headers. The texts are read when this is called and written when the result is called, so that
/// what Qt's own widgets reset in between is written over.
std::function<void()> retranslateTexts(QObject* root);

}  // namespace vemrik
