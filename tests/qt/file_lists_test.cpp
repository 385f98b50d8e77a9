#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "tests/workspace_test_files.h"
#include "ui/qt/example_menu.h"
#include "ui/qt/main_window.h"
#include "ui/qt/recent_files.h"
#include "ui/qt/workspace_menu.h"

using namespace vemrik;

namespace {

QString writeWorkspace(const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    std::ofstream(QFile::encodeName(path).toStdString()) << FileParts{}.text();
    return path;
}

QStringList texts(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator()) out << a->text();
    return out;
}

/// A window with its "Plik" menu whose dialogs are answered by the test.
struct Window {
    MainWindow w;
    WorkspaceMenu menu{w};
    QStringList errors;
    int questions = 0;
    QString savePath;

    Window() {
        menu.askToSave = [this] {
            ++questions;
            return WorkspaceMenu::SaveAnswer::Cancel;
        };
        menu.showError = [this](const QString& m) { errors << m; };
        menu.chooseSavePath = [this](const QString&) { return savePath; };
    }
    void change() {
        w.handle([&] { w.form().State.RobotGrid.at(4, 6) = 3; });
    }
};

}  // namespace

class FileListsTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;

private slots:
    void initTestCase() {
        QCoreApplication::setOrganizationName("VemrikTest");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
    }
    void init() { QSettings().clear(); }

    void everyExampleOpensAndHasItsLine() {
        Window win;
        const QMenu* examples = addExampleMenu(win.menu, {VEMRIK_EXAMPLES_DIR, "/nie/ma/takiego/katalogu"});
        const QStringList lines = texts(examples);
        QCOMPARE(lines.size(), 3);
        for (const char* name : {"figure-eight.vemrik", "oval.vemrik", "zigzag.vemrik"})
            QVERIFY2(
                lines.filter(QRegularExpression("^" + QRegularExpression::escape(QString(name)) + " — \\S"))
                        .size() == 1,
                qPrintable(name));
        for (QAction* a : examples->actions()) {
            a->trigger();
            QVERIFY(win.menu.filePath().endsWith(a->text().section(' ', 0, 0)));
        }
        QCOMPARE(win.errors, QStringList());

        // Unsaved changes are asked about first; cancelling keeps them.
        win.change();
        const QString before = win.menu.filePath();
        examples->actions().first()->trigger();
        QCOMPARE(win.questions, 1);
        QCOMPARE(win.menu.filePath(), before);
        QCOMPARE(win.w.form().State.RobotGrid.at(4, 6), 3);

        Window none;
        QVERIFY(!addExampleMenu(none.menu, {"/nie/ma/takiego/katalogu"})->menuAction()->isEnabled());
    }

    void recentFilesOutliveTheWindowNewestFirstAtMostEight() {
        QTemporaryDir dir;
        QStringList paths;
        {
            Window win;
            RecentFiles recent(win.menu);
            QVERIFY(!recent.menu()->menuAction()->isEnabled());
            for (int i = 1; i <= 9; ++i) paths << writeWorkspace(dir.path(), QString("tor%1.vemrik").arg(i));
            for (const QString& p : paths) QVERIFY(win.menu.openFile(p));
            QVERIFY(win.menu.openFile(paths[3]));  // again: moves to the front, no second entry
            win.savePath = dir.filePath("nowy.vemrik");
            QVERIFY(win.menu.saveAs());
        }
        Window win;
        RecentFiles recent(win.menu);
        QCOMPARE(recent.files(), (QStringList{dir.filePath("nowy.vemrik"), paths[3], paths[8], paths[7],
                                              paths[6], paths[5], paths[4], paths[2]}));
        QCOMPARE(texts(recent.menu()).first(), QString("&1 nowy.vemrik"));
        recent.menu()->actions().at(2)->trigger();
        QCOMPARE(win.menu.filePath(), paths[8]);
        QCOMPARE(recent.files().first(), paths[8]);
        QCOMPARE(win.errors, QStringList());
    }

    void aRecentFileThatIsGoneIsReportedAndDropped() {
        QTemporaryDir dir;
        Window win;
        RecentFiles recent(win.menu);
        const QString gone = writeWorkspace(dir.path(), "zniknie.vemrik");
        const QString kept = writeWorkspace(dir.path(), "zostaje.vemrik");
        QVERIFY(win.menu.openFile(gone));
        QVERIFY(win.menu.openFile(kept));
        win.change();
        QFile::remove(gone);

        recent.menu()->actions().at(1)->trigger();
        QCOMPARE(win.errors.size(), 1);
        QVERIFY(win.errors[0].contains(gone));
        QCOMPARE(win.questions, 0);  // nothing to open, so nothing to ask
        QCOMPARE(recent.files(), QStringList{kept});
        QCOMPARE(win.menu.filePath(), kept);
        QCOMPARE(win.w.form().State.RobotGrid.at(4, 6), 3);
    }

    void theLastChosenFolderIsWhereDialogsStartNextTime() {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("tory");
        {
            Window win;
            RecentFiles recent(win.menu);
            QCOMPARE(win.menu.startFolder(), QDir::currentPath());
            win.savePath = dir.filePath("tory/a.vemrik");
            QVERIFY(win.menu.saveAs());
        }
        Window win;
        RecentFiles recent(win.menu);
        QCOMPARE(win.menu.startFolder(), dir.filePath("tory"));
        QDir(dir.filePath("tory")).removeRecursively();
        QCOMPARE(win.menu.startFolder(), QDir::currentPath());
    }
};

QTEST_MAIN(FileListsTest)
#include "file_lists_test.moc"
