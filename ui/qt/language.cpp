#include "ui/qt/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>

#include "platform/texts.h"
#include "ui/core_texts.h"
#include "ui/qt/qt_helpers.h"

namespace vemrik {

namespace {

constexpr char kContext[] = "Vemrik";
const QString kLanguageKey = QStringLiteral("language");

// A look-alike with a mark for each ASCII letter, so pseudo texts stay readable.
QChar accented(QChar c) {
    static const QString lower = QStringLiteral("àƀçďéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýž");
    static const QString upper = QStringLiteral("ÀƁÇĎÉƑĜĤÎĴĶĻṀÑÖṖǪŔŠŢÛṼŴẊÝŽ");
    if (c >= u'a' && c <= u'z') return lower.at(c.unicode() - u'a');
    if (c >= u'A' && c <= u'Z') return upper.at(c.unicode() - u'A');
    return c;
}

std::string pseudoCoreText(std::string_view text) {
    return pseudoText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))).toStdString();
}

}  // namespace

QString pseudoText(const QString& text) {
    const bool rich = text.startsWith(u'<');
    QString out;
    bool inTag = false;
    bool inEntity = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (rich && c == u'<') inTag = true;
        if (rich && c == u'&' && !inTag) inEntity = true;
        const bool keep = inTag || inEntity || (i > 0 && text.at(i - 1) == u'%');
        out += keep ? c : accented(c);
        if (c == u'>') inTag = false;
        if (c == u';') inEntity = false;
    }
    // Rich text must begin with its tag to stay rich; its words are marked all the same.
    return rich ? out : u'[' + out + QStringLiteral("~~]");
}

Catalogue::Catalogue() {
    englishLoaded_ = english_.load(QStringLiteral(":/i18n/vemrik_en.qm"));
    // Without Debian's qt6-translations-l10n it stays empty and Qt's own dialogs speak English.
    static_cast<void>(
        qtPolish_.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
}

Catalogue& Catalogue::instance() {
    static Catalogue catalogue;
    return catalogue;
}

void Catalogue::speak(Speech speech) {
    speech_ = speech;
    speakCore(language(), speech == Speech::Pseudo ? &pseudoCoreText : nullptr);
    // Qt's own dialogs (open, save) speak Polish with the rest when they can.
    if (speech == Speech::English)
        QCoreApplication::removeTranslator(&qtPolish_);
    else if (!qtPolish_.isEmpty())
        QCoreApplication::installTranslator(&qtPolish_);
    // Installing again tells every widget that the language changed; deliver that at once.
    QCoreApplication::removeTranslator(this);
    QCoreApplication::installTranslator(this);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

QString Catalogue::english(const char* context, const char* source, const char* disambiguation, int n) const {
    // The core's tables hold the texts both front ends show; the .ts file only the window's own.
    if (const Text* core = coreText(source)) return qs(core->en);
    const QString text = english_.translate(context, source, disambiguation, n);
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

QString Catalogue::translate(const char* context, const char* source, const char* disambiguation,
                             int n) const {
    if (qstrcmp(context, kContext) != 0 || !source) return {};  // Qt's own texts
    QString text;
    switch (speech_) {
        case Speech::Polish:
            text = QString::fromUtf8(source);
            break;
        case Speech::English:
            text = english(context, source, disambiguation, n);
            break;
        case Speech::Pseudo:
            text = pseudoText(QString::fromUtf8(source));
            break;
    }
    const QMutexLocker lock(&givenLock_);
    given_.insert(text, {QByteArray(context), QByteArray(source)});
    return text;
}

std::optional<QPair<QByteArray, QByteArray>> Catalogue::sourceOf(const QString& shown) const {
    const QMutexLocker lock(&givenLock_);
    const auto it = given_.constFind(shown);
    if (it == given_.constEnd()) return std::nullopt;
    return *it;
}

std::optional<QString> Catalogue::again(const QString& shown) const {
    if (shown.isEmpty()) return std::nullopt;
    const auto source = sourceOf(shown);
    if (!source) return std::nullopt;
    return translate(source->first.constData(), source->second.constData());
}

QLocale numberLocale() {
    return Catalogue::instance().speech() == Speech::English
               ? QLocale(QLocale::English, QLocale::UnitedKingdom)
               : QLocale(QLocale::Polish, QLocale::Poland);
}

Speech startingSpeech() {
    const QString kept = QSettings().value(kLanguageKey).toString();
    const std::optional<Language> chosen = languageOfLocale(kept.toStdString());
    const Language language = chosen && !kept.isEmpty() ? *chosen : languageFromEnvironment();
    return language == Language::English ? Speech::English : Speech::Polish;
}

void keepSpeech(Speech speech) {
    if (speech == Speech::Pseudo) return;
    QSettings().setValue(kLanguageKey,
                         speech == Speech::English ? QStringLiteral("en") : QStringLiteral("pl"));
}

namespace {

QString headerText(const QTableWidget* t, int column) {
    const QTableWidgetItem* h = t->horizontalHeaderItem(column);
    return h ? h->text() : QString();
}

void setHeaderText(QTableWidget* t, int column, const QString& text) {
    if (QTableWidgetItem* h = t->horizontalHeaderItem(column)) h->setText(text);
}

// Collects the writes that put each text of `o` into the current language.
class Pending {
public:
    template <class T, class Get, class Set>
    void text(T* o, Get get, Set set) {
        const std::optional<QString> text = Catalogue::instance().again((o->*get)());
        if (!text) return;
        writes_.push_back([p = QPointer<T>(o), set, t = *text] {
            if (p) (p->*set)(t);
        });
    }
    template <class T, class Get, class Set>
    void indexed(T* o, int i, Get get, Set set) {
        const std::optional<QString> text = Catalogue::instance().again(std::invoke(get, o, i));
        if (!text) return;
        writes_.push_back([p = QPointer<T>(o), i, set, t = *text] {
            if (p) std::invoke(set, p.data(), i, t);
        });
    }
    void collect(QObject* o);
    std::function<void()> result() {
        return [writes = std::move(writes_)] {
            for (const auto& w : writes) w();
        };
    }

private:
    std::vector<std::function<void()>> writes_;
};

void Pending::collect(QObject* o) {
    if (auto* a = qobject_cast<QAction*>(o)) {
        text(a, &QAction::text, &QAction::setText);
        text(a, &QAction::toolTip, &QAction::setToolTip);
        text(a, &QAction::statusTip, &QAction::setStatusTip);
        return;
    }
    auto* w = qobject_cast<QWidget*>(o);
    if (!w) return;
    text(w, &QWidget::windowTitle, &QWidget::setWindowTitle);
    text(w, &QWidget::toolTip, &QWidget::setToolTip);
    text(w, &QWidget::accessibleName, &QWidget::setAccessibleName);
    if (auto* l = qobject_cast<QLabel*>(w)) text(l, &QLabel::text, &QLabel::setText);
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        text(b, &QAbstractButton::text, &QAbstractButton::setText);
    if (auto* g = qobject_cast<QGroupBox*>(w)) text(g, &QGroupBox::title, &QGroupBox::setTitle);
    if (auto* m = qobject_cast<QMenu*>(w)) text(m, &QMenu::title, &QMenu::setTitle);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        text(e, &QLineEdit::placeholderText, &QLineEdit::setPlaceholderText);
    if (auto* t = qobject_cast<QTabWidget*>(w))
        for (int i = 0; i < t->count(); ++i) {
            indexed(t, i, &QTabWidget::tabText, &QTabWidget::setTabText);
            indexed(t, i, &QTabWidget::tabToolTip, &QTabWidget::setTabToolTip);
        }
    if (auto* d = qobject_cast<QDoubleSpinBox*>(w))
        writes_.push_back([p = QPointer<QDoubleSpinBox>(d)] {
            if (p) p->setLocale(numberLocale());
        });
    if (auto* c = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < c->count(); ++i) indexed(c, i, &QComboBox::itemText, &QComboBox::setItemText);
    if (auto* t = qobject_cast<QTableWidget*>(w))
        for (int i = 0; i < t->columnCount(); ++i) indexed(t, i, &headerText, &setHeaderText);
}

}  // namespace

std::function<void()> retranslateTexts(QObject* root) {
    Pending pending;
    pending.collect(root);
    for (QObject* o : root->findChildren<QObject*>()) pending.collect(o);
    return pending.result();
}

}  // namespace vemrik
