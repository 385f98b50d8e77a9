// The window in another language: every text translated, none cut off, the open work kept, and
// Polish exactly as it was.
#include "ui/qt/language.h"

#include "tests/qt/qt_test.h"
#include "ui/commands.h"
#include "ui/layout.h"
#include "ui/qt/program_window.h"
#include "ui/qt/qt_helpers.h"
#include "ui/qt/workspace_menu.h"

using namespace vemrik;

namespace {

// Every text a user can read in the window, its menus and its open dialogs and docks, keyed by
// where it is shown.
QMap<QString, QString> shownTexts(MainWindow& window) {
    QMap<QString, QString> texts;
    const auto put = [&](const QObject* o, const char* what, const QString& text) {
        if (!text.isEmpty())
            texts.insert(QString(o->metaObject()->className()) + '/' + o->objectName() + '/' + what + '/' +
                             QString::number(quintptr(o)),
                         text);
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets << &window;
    for (QWidget* w : widgets) {
        if (!w->isVisible() && !qobject_cast<QMenu*>(w)) continue;
        if (w->objectName().startsWith("qt_")) continue;  // Qt's own parts speak Qt's language
        put(w, "title", w->isWindow() || qobject_cast<QDockWidget*>(w) ? w->windowTitle() : QString());
        put(w, "tip", w->toolTip());
        put(w, "name", w->accessibleName());
        if (auto* l = qobject_cast<QLabel*>(w)) put(w, "text", l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) put(w, "text", b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) put(w, "text", g->title());
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) put(t->widget(i), "tab", t->tabText(i));
        if (auto* m = qobject_cast<QMenu*>(w))
            for (QAction* a : m->actions()) {
                put(a, "text", a->text());
                if (m->objectName() != "menuExamples") put(a, "tip", a->toolTip());  // the examples' paths
            }
    }
    return texts;
}

bool hasLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// The pseudo-language's marks: its brackets, or letters with the accents plain Polish lacks.
bool looksPseudo(const QString& text) {
    static const QString marks = QStringLiteral("àƀďéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýžÀƁÇĎÉƑĜĤÎĴĶĻṀÑÖṖǪŔŠŢÛṼŴẊÝŽ");
    return text.contains(QStringLiteral("~~]")) ||
           std::any_of(text.begin(), text.end(), [&](QChar c) { return marks.contains(c); });
}

QList<QImage> pages(MainWindow& window) {
    QList<QImage> images;
    for (int i = 0; i < window.notebook()->count(); ++i) {
        window.notebook()->setCurrentIndex(i);
        window.notebook()->setFocus();  // the focused control is drawn apart
        images << window.grab().toImage();
    }
    window.notebook()->setCurrentIndex(3);
    return images;
}

// Opens what the window keeps open beside the form: the guide, the rule check, the inspector,
// the time line and the evaluation.
void openCompanions(ProgramWindow& program) {
    MainWindow& w = program.window();
    w.findChild<QAction*>("actionGuide")->trigger();
    w.findChild<QPushButton*>("ButtonCheckRules")->click();
    w.findChild<QAction*>("actionRuleInspector")->trigger();
    w.findChild<QAction*>("actionRunTimeline")->trigger();
    w.findChild<QAction*>("actionEvaluate")->trigger();
}

// Shown, or shown once its notebook page is brought to the front.
bool shownOnItsPage(const QWidget* w) {
    for (; !w->isWindow(); w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget())) return false;
    return true;
}

// Each caption fits its button at the form's own sizes and the dialogs' fixed ones, each label
// its own size, and the tabs their notebook; on every page, not only the one in front.
void checkNothingCutOff(Speech opened, Speech speech) {
    Catalogue::instance().speak(opened);
    ProgramWindow program;
    program.show();
    openCompanions(program);
    if (speech != opened) Catalogue::instance().speak(speech);
    for (QPushButton* b : program.window().findChildren<QPushButton*>()) {
        const bool fixed = b->minimumWidth() == b->maximumWidth();
        if (!shownOnItsPage(b) || (!fixed && !program.window().formWidget()->isAncestorOf(b))) continue;
        QStyleOptionButton option;
        option.initFrom(b);
        const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width();
        const int needed = b->fontMetrics().horizontalAdvance(QString(b->text()).remove('&'));
        QVERIFY2(needed <= room, qPrintable(b->text() + QString(": %1 > %2").arg(needed).arg(room)));
    }
    // A label that does not wrap keeps its lines as they are, rich text and line breaks too.
    for (QLabel* l : program.window().formWidget()->findChildren<QLabel*>()) {
        if (!shownOnItsPage(l)) continue;
        const QSize needed = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
        QVERIFY2(needed.width() <= l->width() && needed.height() <= l->height(),
                 qPrintable(l->objectName() + ": " + l->text()));
    }
    QTabWidget* notebook = program.window().notebook();
    QVERIFY(notebook->tabBar()->sizeHint().width() <= notebook->width());
}

// A menu's entries as the window shows them, "—" for a separator, "▸" before a submenu's entries.
QStringList shownEntries(const QMenu* menu) {
    QStringList entries;
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) {
            entries << QStringLiteral("—");
            continue;
        }
        const QString kind = a->menu()           ? QStringLiteral("submenu")
                             : !a->isCheckable() ? QStringLiteral("action")
                             : a->actionGroup()  ? QStringLiteral("choice")
                                                 : QStringLiteral("toggle");
        entries << a->text() + " | " + a->shortcut().toString() + " | " + kind;
        if (a->menu() && a->menu()->objectName() != "menuExamples" && a->menu()->objectName() != "menuRecent")
            for (const QString& e : shownEntries(a->menu())) entries << "▸ " + e;
    }
    return entries;
}

// The letter after the "&" of a caption, upper case; none when there is no "&".
QChar mnemonic(const QString& caption) {
    const qsizetype at = caption.indexOf('&');
    return at < 0 || at + 1 >= caption.size() ? QChar() : caption.at(at + 1).toUpper();
}

// Captions without a letter of their own in their menu, or on their page beside the menu bar's:
// Alt with a repeated letter only moves the focus between them.
QStringList lettersMissingOrTwice(MainWindow& w) {
    QStringList wrong;
    const auto own = [&wrong](QSet<QChar>& letters, const QString& caption) {
        const QChar letter = mnemonic(caption);
        if (letter.isNull() || letters.contains(letter)) wrong << caption;
        letters.insert(letter);
    };
    QSet<QChar> bar;
    for (QAction* top : w.menuBar()->actions()) own(bar, top->text());
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>()) {
        if (menu->objectName() == "menuExamples") continue;  // file names, no letters
        QSet<QChar> letters;
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && !a->text().startsWith('&')) own(letters, a->text());  // recent: "&1 …"
    }
    for (int page = 0; page < 4; ++page) {
        QSet<QChar> letters = bar;
        for (auto* button : w.notebook()->widget(page)->findChildren<QPushButton*>())
            own(letters, button->text());
    }
    return wrong;
}

// The same, as the command table lays out the menu `id` in the language spoken.
QStringList tableEntries(MenuId id) {
    static const char* kinds[] = {"action", "toggle", "choice", "submenu"};
    QStringList entries;
    std::string_view submenu;
    for (const Command& c : commands()) {
        if (c.menu != id) continue;
        // A line goes into a submenu already open, else above the entry or the submenu it opens.
        const bool opens = !c.submenu.pl.empty() && c.submenu.pl != submenu;
        if (c.separatorBefore) entries << (opens || c.submenu.pl.empty() ? "—" : "▸ —");
        if (opens) entries << qs(say(c.submenu)) + " |  | submenu";
        submenu = c.submenu.pl;
        entries << (c.submenu.pl.empty() ? "" : "▸ ") + qs(say(c.caption)) + " | " +
                       QKeySequence(qs(c.shortcut)).toString() + " | " + kinds[static_cast<int>(c.kind)];
    }
    return entries;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    QTemporaryDir settings_;

private slots:
    void initTestCase() {
        qttest::keepSettingsIn(settings_);
        Catalogue::instance().speak(Speech::Polish);
        QVERIFY(Catalogue::instance().hasEnglish());
    }

    void cleanup() { Catalogue::instance().speak(Speech::Polish); }

    // Nothing hard-coded: in the pseudo-language every text with a letter in it shows the marks.
    void everyShownTextPassesThroughTranslation() {
        ProgramWindow program;
        program.show();
        openCompanions(program);
        Catalogue::instance().speak(Speech::Pseudo);
        const QMap<QString, QString> texts = shownTexts(program.window());
        QVERIFY(texts.size() > 100);
        QStringList plain;
        for (auto it = texts.begin(); it != texts.end(); ++it) {
            if (it.key().contains("/actionPolish/") || it.key().contains("/actionEnglish/")) continue;
            const QString text = QString(it.value()).remove(QStringLiteral("Vemrik - vemrik@example.org"));
            if (hasLetters(text) && !looksPseudo(text)) plain << it.key() + ": " + text;
        }
        QVERIFY2(plain.isEmpty(), qPrintable(plain.join('\n')));
    }

    // The menu bar is the command table, and each control of the pages the layout table: their
    // places at ×1 and their captions, each with a letter of its own, in either language.
    void theWindowShowsTheTablesInEitherLanguage() {
        for (const Speech speech : {Speech::Polish, Speech::English}) {
            Catalogue::instance().speak(speech);
            ProgramWindow program;
            MainWindow& w = program.window();
            const QList<QAction*> bar = w.menuBar()->actions();
            QCOMPARE(bar.size(), qsizetype(menus().size()));
            for (std::size_t i = 0; i < menus().size(); ++i) {
                QCOMPARE(bar[qsizetype(i)]->text(), qs(say(menus()[i].caption)));
                QCOMPARE(shownEntries(bar[qsizetype(i)]->menu()), tableEntries(menus()[i].id));
            }
            const QStringList wrong = lettersMissingOrTwice(w);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
            for (const ControlSpec& c : formLayout()) {
                QWidget* shown = w.control(c.id);
                if (!c.visible || c.kind == ControlKind::Memo) {
                    QVERIFY(!shown);
                    continue;
                }
                QVERIFY2(shown && shown->objectName() == qs(c.name), c.id.data());
                const QRect placed(c.left, c.top, c.width, c.height);
                if (c.width == 0 || c.kind == ControlKind::Note)  // sized to what it shows
                    QCOMPARE(shown->pos(), placed.topLeft());
                else
                    QCOMPARE(shown->geometry(), placed);
                if (auto* button = qobject_cast<QPushButton*>(shown))
                    QCOMPARE(button->text(), qs(say(c.caption)));
            }
        }
    }

    // Switching keeps the open work and its state; Polish again is every text as before.
    void switchingKeepsTheWorkAndComesBack() {
        ProgramWindow program;
        program.show();
        openCompanions(program);
        QVERIFY(program.menu().openFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik"));
        MainWindow& w = program.window();
        w.findChild<QPushButton*>("BitBtn6")->click();  // "Krok"
        const QMap<QString, QString> polish = shownTexts(w);
        const auto rules = w.form().ListBox1.lines;
        pages(w);  // the first visit of a page settles what a control shows (the slider's ticks)
        const QList<QImage> before = pages(w);

        program.window().findChild<QAction*>("actionEnglish")->trigger();
        QCOMPARE(w.form().ListBox1.lines, rules);
        QCOMPARE(w.form().engine.record().steps(), 1u);
        QVERIFY(!program.menu().modified());
        QCOMPARE(QSettings().value("language").toString(), QStringLiteral("en"));
        QVERIFY(w.findChild<QTextBrowser*>("guideText")
                    ->toPlainText()
                    .contains("The robot's front is at the top"));
        for (QDoubleSpinBox* noise : w.findChildren<QDoubleSpinBox*>()) QVERIFY(!noise->text().contains(','));

        program.window().findChild<QAction*>("actionPolish")->trigger();
        const QMap<QString, QString> again = shownTexts(w);
        QCOMPARE(again, polish);
        QCOMPARE(pages(w), before);
    }

    void nothingIsCutOff() {
        // Opened in Polish and switched, or opened in English.
        for (const auto& [opened, speech] : {std::pair{Speech::Polish, Speech::English},
                                             {Speech::Polish, Speech::Pseudo},
                                             {Speech::English, Speech::English}})
            checkNothingCutOff(opened, speech);
    }

    // The language of a new window: what was chosen in the menu, before the environment.
    void theChoiceIsKeptForTheNextStart() {
        QSettings().remove("language");
        qputenv("LC_ALL", "en_US.UTF-8");
        QCOMPARE(startingSpeech(), Speech::English);
        QSettings().setValue("language", "pl");
        QCOMPARE(startingSpeech(), Speech::Polish);
        qunsetenv("LC_ALL");
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
