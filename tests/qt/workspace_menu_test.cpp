// The "Plik" menu with its recent files and its export of the robot and rules as an Arduino
// sketch folder.
#include "ui/qt/workspace_menu.h"

#include "tests/engine_edits.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/arduino_export_menu.h"
#include "ui/qt/recent_files.h"
#include "workspace/workspace_json.h"

using namespace vemrik;
using Answer = WorkspaceMenu::SaveAnswer;
using qttest::readFile;
using qttest::writeFile;

namespace {

const QString kCaption = QStringLiteral("Vemrik - vemrik@example.org");
const QString kOval = QStringLiteral(VEMRIK_EXAMPLES_DIR "/oval.vemrik");

/// A window with its "Plik" menu whose dialogs the test answers, counting the questions.
struct Window {
    MainWindow w;
    WorkspaceMenu menu{w};
    Answer answer = Answer::Cancel;
    QString savePath;  // what every file dialog answers
    int questions = 0;
    QStringList errors;

    Window() {
        menu.askToSave = [this] { return ++questions, answer; };
        menu.chooseOpenPath = [this] { return savePath; };
        menu.chooseSavePath = [this](const QString&) { return savePath; };
        menu.chooseImagePath = [this](const QString&) { return savePath; };
        menu.showError = [this](const QString& m) { errors << m; };
    }
    QSlider* slider() { return w.findChild<QSlider*>("TrackBar1"); }
    int wheel() { return w.form().State.RobotGrid.at(4, 6); }
    void draw() {  // as a user would: a wheel, a rule, the rule angle
        w.handle([&] {
            setRobot(w.form().engine, [](ProgramState& s) { s.RobotGrid.at(4, 6) = 3; });
            w.form().ListBox1.add("1 0 0 0 0 0 0 1 -30");
        });
        slider()->setValue(-30);
    }
};

}  // namespace

class WorkspaceMenuTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_, dir_;

private slots:
    void initTestCase() { qttest::keepSettingsIn(settingsDir_); }

    void saveNewAndOpenGiveBackTheSameWorkspaceFailuresChangeNothingAndTheTitleFollows() {
        Window win;
        win.draw();
        win.savePath = dir_.filePath("brak/tor.vemrik");
        QVERIFY(!win.menu.save());  // no file yet: asks for a name, in a folder that is not there
        win.savePath = dir_.filePath("tor.vemrik");
        QVERIFY(win.menu.save());
        QCOMPARE(win.w.windowTitle(), "tor.vemrik - " + kCaption);
        QVERIFY(win.menu.newWorkspace());
        QCOMPARE(std::tuple(win.questions, win.wheel(), win.slider()->value()), std::tuple(0, 0, 0));
        QVERIFY(writeFile(dir_.filePath("zly.vemrik"), "{}"));
        QVERIFY(!win.menu.openFile(dir_.filePath("zly.vemrik")));
        QCOMPARE(win.w.windowTitle(), kCaption);
        win.w.findChild<QCheckBox*>("CheckBox3")->setChecked(true);
        QVERIFY(win.menu.open());
        QCOMPARE(std::tuple(win.wheel(), win.slider()->value()), std::tuple(3, -30));
        QCOMPARE(win.w.findChild<QListWidget*>("ListBox1")->item(0)->text(), QString("1 0 0 0 0 0 0 1 -30"));
        QVERIFY(!win.w.findChild<QCheckBox*>("CheckBox3")->isChecked());
        QCOMPARE(win.w.windowTitle(), "tor.vemrik - " + kCaption);
        QCOMPARE(win.errors.size(), 2);
        QVERIFY(win.errors[0].contains("plik lub katalog nie istnieje"));
        QVERIFY(win.errors[1].contains("zly.vemrik") && win.errors[1].contains("brak pola"));
    }

    void unsavedChangesAreAskedAboutBeforeTheyGo() {
        Window win;
        win.w.show();
        win.draw();
        QVERIFY(!win.menu.newWorkspace());  // "Anuluj"
        QVERIFY(!win.w.close());
        win.answer = Answer::Save;  // "Tak" saves first; cancelling the name cancels "Nowy"
        QVERIFY(!win.menu.newWorkspace());
        QCOMPARE(std::tuple(win.questions, win.wheel(), win.w.isVisible()), std::tuple(3, 3, true));
        win.savePath = dir_.filePath("zachowany.vemrik");
        QVERIFY(win.menu.newWorkspace() && QFile::exists(win.savePath));
        QCOMPARE(win.wheel(), 0);
        win.draw();
        win.answer = Answer::Discard;
        win.w.commandAction("file.quit")->trigger();
        QCOMPARE(std::tuple(win.questions, win.w.isVisible()), std::tuple(5, false));
    }

    // Which files and in what order is the core's Document test; here the list outlives the window.
    void recentFilesOutliveTheWindowWithoutTheGoneOnes() {
        QStringList paths;
        for (int i = 1; i <= 3; ++i)
            QVERIFY(writeFile(paths.emplace_back(dir_.filePath(QString("r%1").arg(i))),
                              QByteArray::fromStdString(toJson({}))));
        QDir(dir_.path()).mkdir("tory");
        {
            Window win;
            RecentFiles recent(win.menu);
            QCOMPARE(win.menu.startFolder(), QDir::currentPath());
            for (const QString& p : paths) QVERIFY(win.menu.openFile(p));
            win.savePath = dir_.filePath("tory/nowy.vemrik");
            QVERIFY(win.menu.saveAs());
        }
        Window win;
        RecentFiles recent(win.menu);
        QCOMPARE(recent.files(),
                 (QStringList{dir_.filePath("tory/nowy.vemrik"), paths[2], paths[1], paths[0]}));
        QCOMPARE(recent.menu()->actions().first()->text(), QString("&1 nowy.vemrik"));
        QCOMPARE(win.menu.startFolder(), dir_.filePath("tory"));  // where the last dialog chose
        // The third, gone: reported and dropped before anyone is asked about unsaved changes.
        win.draw();
        QFile::remove(paths[2]);
        recent.menu()->actions().at(1)->trigger();
        QCOMPARE(std::tuple(win.errors.size(), win.questions, win.wheel()), std::tuple(qsizetype(1), 0, 3));
        QVERIFY(win.errors[0].contains(paths[2]) && !recent.files().contains(paths[2]));
        QDir(dir_.filePath("tory")).removeRecursively();
        QCOMPARE(win.menu.startFolder(), QDir::currentPath());
    }

    void theSketchTakesTheOpenFilesNameAndTheSeedInEffect() {
        Window win;
        QVERIFY(win.menu.openFile(kOval));
        win.w.form().engine.setSeed(7);
        const ArduinoExportResult result = exportArduinoSketch(win.w, kOval, dir_.path());
        QVERIFY2(result.written, qPrintable(result.message));
        QVERIFY(result.message.contains(dir_.filePath("oval/oval.ino")));
        QVERIFY(readFile(dir_.filePath("oval/oval.ino"))
                    .contains(QStringLiteral("generator Mersenne Twister (std::mt19937) z ziarnem 7.")));
    }

    void theFolderPickerSaysWhatTheExportWillMake() {
        Window win;
        QVERIFY(win.menu.openFile(kOval));
        QString note;
        QTimer::singleShot(0, [&note] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* picker = qobject_cast<QFileDialog*>(w); picker && picker->isVisible()) {
                    note = picker->findChild<QLabel*>("arduinoExportNote")->text();
                    picker->reject();
                }
        });
        addArduinoExportAction(win.menu, win.w)->trigger();
        QCOMPARE(note, QStringLiteral(
                           "W wybranym katalogu powstanie katalog oval z plikami oval.ino i wiring.svg"));
    }

    // Which exports ask first is the core's; here the file's name and the answer reach it.
    // "1.vemrik" and "2.vemrik" both make the sketch "robot".
    void aSketchOfTheSameNameFromAnotherWorkspaceIsReplacedOnlyWhenAsked() {
        Window win;
        QVERIFY(win.menu.openFile(kOval));
        const QString sketch = dir_.filePath("robot/robot.ino");
        QVERIFY(exportArduinoSketch(win.w, dir_.filePath("1.vemrik"), dir_.path()).written);
        const ArduinoExportResult asked = exportArduinoSketch(win.w, dir_.filePath("2.vemrik"), dir_.path());
        QVERIFY(!asked.written && asked.asksToReplace &&
                readFile(sketch).contains(QStringLiteral("„1.vemrik”")));
        QVERIFY(exportArduinoSketch(win.w, dir_.filePath("2.vemrik"), dir_.path(), true).written);
        QVERIFY(readFile(sketch).contains(QStringLiteral("„2.vemrik”")));
    }
};

QTEST_MAIN(WorkspaceMenuTest)
#include "workspace_menu_test.moc"
