#include "ui/qt/workspace_menu.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "tests/workspace_test_files.h"
#include "ui/qt/main_window.h"

using namespace vemrik;

namespace {

const QString kCaption = QStringLiteral("Vemrik - vemrik@example.org");

void writeFile(const QString& path, const std::string& text) {
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << text;
}

/// The dialogs answered by the test; counts the questions asked.
struct Answers {
    WorkspaceMenu::SaveAnswer save = WorkspaceMenu::SaveAnswer::Cancel;
    QString openPath, savePath, imagePath;
    int questions = 0;
    QStringList errors;

    void attach(WorkspaceMenu& menu) {
        menu.askToSave = [this] {
            ++questions;
            return save;
        };
        menu.chooseOpenPath = [this] { return openPath; };
        menu.chooseSavePath = [this](const QString&) { return savePath; };
        menu.chooseImagePath = [this](const QString&) { return imagePath; };
        menu.showError = [this](const QString& message) { errors << message; };
    }
};

QSlider* slider(MainWindow& w, const char* name) { return w.findChild<QSlider*>(name); }

// Draws as a user would have: a wheel, a line cell, a stroke, a rule and both track bars.
void draw(MainWindow& w) {
    w.handle([&] {
        TForm1& f = w.form();
        f.State.RobotGrid.at(4, 6) = 3;
        f.State.MapGrid.at(12, 3) = 1;
        f.State.StrokeList.setColumns(1);
        f.State.StrokeList.setLength(0, 4);
        f.State.StrokeList.at(0, 0) = 100;
        f.ListBox1.add("1 0 0 0 0 0 0 1 -30");
    });
    slider(w, "TrackBar1")->setValue(-30);
    slider(w, "TrackBar2")->setValue(90);
}

}  // namespace

class WorkspaceMenuTest : public QObject {
    Q_OBJECT

private slots:
    void menuBarSitsAboveTheUnchangedForm() {
        MainWindow w;
        WorkspaceMenu menu(w);
        w.show();
        QCOMPARE(w.centralWidget()->size(), QSize(940, 433));
        QCOMPARE(w.centralWidget()->y(), w.menuBar()->height());
        QCOMPARE(w.windowTitle(), kCaption);  // no file, no change: the title of old
        const QList<QAction*> menus = w.menuBar()->actions();
        QCOMPARE(menus.size(), 1);
        QCOMPARE(menus[0]->text(), QString("&Plik"));
        const std::pair<const char*, const char*> entries[] = {{"actionNew", "Nowy"},
                                                               {"actionOpen", "Otwórz…"},
                                                               {"actionSave", "Zapisz"},
                                                               {"actionSaveAs", "Zapisz jako…"},
                                                               {"actionExportImage", "Eksportuj obraz…"},
                                                               {"actionQuit", "Zakończ"}};
        for (const auto& [name, text] : entries) {
            QVERIFY2(menu.action(name) != nullptr, name);
            QCOMPARE(menu.action(name)->text(), QString::fromUtf8(text));
        }
        QCOMPARE(menu.action("actionNew")->shortcut(), QKeySequence("Ctrl+N"));
        QCOMPARE(menu.action("actionOpen")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(menu.action("actionSave")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(menu.action("actionSaveAs")->shortcut(), QKeySequence("Ctrl+Shift+S"));
        QCOMPARE(menu.action("actionQuit")->shortcut(), QKeySequence("Ctrl+Q"));
    }

    void saveNewAndOpenGiveBackTheSameWorkspace() {
        QTemporaryDir dir;
        MainWindow w;
        WorkspaceMenu menu(w);
        Answers answers;
        answers.attach(menu);
        draw(w);
        QVERIFY(menu.modified());
        QCOMPARE(w.windowTitle(), "Bez nazwy* - " + kCaption);

        answers.savePath = dir.filePath("tor.vemrik");
        QVERIFY(menu.save());  // no file yet: asks for a name
        QCOMPARE(w.windowTitle(), "tor.vemrik - " + kCaption);
        QVERIFY(!menu.modified());

        QVERIFY(menu.newWorkspace());
        QCOMPARE(answers.questions, 0);  // nothing unsaved
        QCOMPARE(w.form().State.RobotGrid.at(4, 6), 0);
        QCOMPARE(slider(w, "TrackBar1")->value(), 0);
        QCOMPARE(w.findChild<QListWidget*>("ListBox1")->count(), 0);
        QCOMPARE(w.windowTitle(), kCaption);

        answers.openPath = answers.savePath;
        QVERIFY(menu.open());
        const TForm1& f = w.form();
        QCOMPARE(f.State.RobotGrid.at(4, 6), 3);
        QCOMPARE(f.State.MapGrid.at(12, 3), 1);
        QCOMPARE(f.State.StrokeList.columns(), 1);
        QCOMPARE(f.State.StrokeList.at(0, 0), 100);
        QCOMPARE(slider(w, "TrackBar1")->value(), -30);
        QCOMPARE(slider(w, "TrackBar2")->value(), 90);
        QCOMPARE(w.findChild<QListWidget*>("ListBox1")->item(0)->text(), QString("1 0 0 0 0 0 0 1 -30"));
        QCOMPARE(w.windowTitle(), "tor.vemrik - " + kCaption);
        QVERIFY(answers.errors.isEmpty());
    }

    void aHandWrittenFileOpensAndEveryInputShowsIt() {
        QTemporaryDir dir;
        FileParts parts;
        parts.robot[5][10] = '4';
        writeFile(dir.filePath("reka.vemrik"), parts.text());
        MainWindow w;
        WorkspaceMenu menu(w);
        Answers answers;
        answers.attach(menu);
        w.findChild<QCheckBox*>("CheckBox3")->setChecked(true);
        w.form().Timer2.enabled = true;
        answers.save = WorkspaceMenu::SaveAnswer::Discard;
        QVERIFY(menu.openFile(dir.filePath("reka.vemrik")));
        QCOMPARE(answers.questions, 0);  // the command line opens without asking
        QCOMPARE(w.form().State.RobotGrid.at(10, 5), 4);
        QCOMPARE(slider(w, "TrackBar1")->value(), 30);
        QCOMPARE(slider(w, "TrackBar2")->value(), -90);
        QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QString("30"));
        QVERIFY(!w.findChild<QCheckBox*>("CheckBox3")->isChecked());
        QCOMPARE(w.form().State.SensorStates[2], 0);
        QCOMPARE(w.findChild<QListWidget*>("ListBox1")->count(), 2);
        QVERIFY(!w.form().Timer2.enabled);
        QCOMPARE(w.notebook()->currentIndex(), 3);  // the page shown stays
        QCOMPARE(w.windowTitle(), "reka.vemrik - " + kCaption);
        QVERIFY(!menu.modified());
    }

    void aBadFileIsReportedAndChangesNothing() {
        QTemporaryDir dir;
        FileParts parts;
        parts.map[3][12] = '7';
        writeFile(dir.filePath("zly.vemrik"), parts.text());
        MainWindow w;
        WorkspaceMenu menu(w);
        Answers answers;
        answers.attach(menu);
        draw(w);
        const QString title = w.windowTitle();
        QVERIFY(!menu.openFile(dir.filePath("zly.vemrik")));
        QCOMPARE(answers.errors.size(), 1);
        QVERIFY(answers.errors[0].contains("zly.vemrik"));
        QVERIFY(answers.errors[0].contains(
            QString::fromUtf8("mapa (\"map\"): komórka [12][3] ma kod 7; dozwolone 0, 1, 4, 5")));
        QCOMPARE(w.form().State.RobotGrid.at(4, 6), 3);
        QCOMPARE(slider(w, "TrackBar1")->value(), -30);
        QCOMPARE(w.form().ListBox1.count(), 1);
        QCOMPARE(w.windowTitle(), title);
        QVERIFY(menu.filePath().isEmpty());
        QVERIFY(!menu.openFile(dir.path()));  // a folder
        QVERIFY(answers.errors[1].contains(QString::fromUtf8("to jest katalog, a nie plik")));
    }

    void unsavedChangesAreAskedAboutBeforeTheyGo() {
        QTemporaryDir dir;
        MainWindow w;
        WorkspaceMenu menu(w);
        Answers answers;
        answers.attach(menu);
        w.show();
        draw(w);

        answers.save = WorkspaceMenu::SaveAnswer::Cancel;
        QVERIFY(!menu.newWorkspace());
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QCOMPARE(answers.questions, 2);
        QCOMPARE(w.form().State.RobotGrid.at(4, 6), 3);

        // "Tak" saves first; cancelling the name cancels the whole "Nowy".
        answers.save = WorkspaceMenu::SaveAnswer::Save;
        QVERIFY(!menu.newWorkspace());
        QCOMPARE(w.form().State.RobotGrid.at(4, 6), 3);
        answers.savePath = dir.filePath("zachowany.vemrik");
        QVERIFY(menu.newWorkspace());
        QVERIFY(QFile::exists(answers.savePath));
        QCOMPARE(w.form().State.RobotGrid.at(4, 6), 0);

        draw(w);
        answers.save = WorkspaceMenu::SaveAnswer::Discard;
        menu.action("actionQuit")->trigger();
        QVERIFY(!w.isVisible());
        QCOMPARE(answers.questions, 5);
    }

    void aFailedSaveKeepsTheChangesMarked() {
        QTemporaryDir dir;
        MainWindow w;
        WorkspaceMenu menu(w);
        Answers answers;
        answers.attach(menu);
        draw(w);
        answers.savePath = dir.filePath("brak/tor.vemrik");
        QVERIFY(!menu.saveAs());
        QCOMPARE(answers.errors.size(), 1);
        QVERIFY(answers.errors[0].contains(QString::fromUtf8("plik lub katalog nie istnieje")));
        QVERIFY(menu.modified());
        QCOMPARE(w.windowTitle(), "Bez nazwy* - " + kCaption);
    }

    void exportWritesTheVisiblePagesPicture() {
        QTemporaryDir dir;
        MainWindow w;
        WorkspaceMenu menu(w);
        Answers answers;
        answers.attach(menu);
        w.form().Image5.canvas.setPixel(700, 400, 0x0000FF);  // red
        answers.imagePath = dir.filePath("symulacja.png");
        QVERIFY(menu.exportImage());
        QImage sim(answers.imagePath);
        QCOMPARE(sim.size(), QSize(701, 401));
        QCOMPARE(sim.pixelColor(700, 400), QColor(255, 0, 0));
        QCOMPARE(sim.pixelColor(0, 0), QColor(255, 255, 255));

        w.form().Image4.canvas.setPixel(0, 0, 0x008000);  // green
        w.notebook()->setCurrentIndex(2);
        answers.imagePath = dir.filePath("algorytm.png");
        QVERIFY(menu.exportImage());
        QImage rules(answers.imagePath);
        QCOMPARE(rules.size(), QSize(402, 201));
        QCOMPARE(rules.pixelColor(201, 0), QColor(0, 128, 0));
        QVERIFY(answers.errors.isEmpty());
    }
};

QTEST_MAIN(WorkspaceMenuTest)
#include "workspace_menu_test.moc"
