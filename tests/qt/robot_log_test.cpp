// "Otwórz przebieg robota…": a robot's log of the oval beside the simulation of the oval's rules.
#include "tests/qt/qt_test.h"
#include "ui/qt/program_window.h"
#include "ui/qt/robot_log_dialog.h"
#include "ui/qt/workspace_menu.h"

using namespace vemrik;

class RobotLogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    static QString cell(const QTableWidget* t, int row, int column) {
        const QTableWidgetItem* item = t->item(row, column);
        return item ? item->text() : QStringLiteral("?");
    }

    static int columnSum(const QTableWidget* t, int column) {
        int sum = 0;
        for (int r = 0; r < t->rowCount(); ++r) sum += cell(t, r, column).toInt();
        return sum;
    }

private slots:
    // The entry stands in "Plik" right before "Zapisz".
    void robotLogOfTheOvalOpensFromPlikAndShowsTheCountsWorkedOutByHand() {
        ProgramWindow program;
        QAction* action = program.window().findChild<QAction*>("actionOpenRobotLog");
        QCOMPARE(action->text().remove('&'), QStringLiteral("Otwórz przebieg robota…"));
        const QList<QAction*> entries = program.menu().fileMenu()->actions();
        QCOMPARE(entries.indexOf(action) + 1, entries.indexOf(program.menu().action("actionSave")));
        QVERIFY(program.menu().openFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik"));
        RobotLogDialog dialog(program.window());
        QVERIFY(dialog.openLog(VEMRIK_EXAMPLES_DIR "/oval-robot.csv"));

        QTableWidget* lines = dialog.lines();
        QCOMPARE(lines->rowCount(), 9);  // the oval's 8 lines and "none"
        const char* robot[] = {"0", "0", "0", "2", "1", "1", "0", "1", "3"};
        for (int r = 0; r < 9; ++r) QCOMPARE(cell(lines, r, 2), QString::fromLatin1(robot[r]));
        QCOMPARE(cell(lines, 3, 1), QStringLiteral("0 1 1 0 0 0 0 0 0"));
        QCOMPARE(cell(lines, 8, 1), QStringLiteral("żadna: prosto"));
        // The simulation made as many steps as the robot, each counted once.
        QCOMPARE(columnSum(lines, 3), 8);
        QVERIFY(dialog.summary()->text().contains(
            QStringLiteral("Przebieg robota „oval-robot.csv”, kroków: 8.")));
        QVERIFY(dialog.summary()->text().contains(QStringLiteral("ziarno 5489, kroków: 8")));

        QCOMPARE(dialog.uncovered()->text(),
                 QStringLiteral("1 0 0 1 0 0 0 0   kroków: 1\n0 1 1 1 0 0 0 0   kroków: 1"));

        QTableWidget* patterns = dialog.patterns();
        QCOMPARE(cell(patterns, 0, 0), QStringLiteral("0 1 1 0 0 0 0 0"));
        QCOMPARE(cell(patterns, 0, 1), QStringLiteral("37,5 % (3)"));
        int robotRows = 0;
        for (int r = 0; r < patterns->rowCount(); ++r)
            if (cell(patterns, r, 1) != QStringLiteral("0,0 % (0)")) {
                ++robotRows;
                if (r > 0) QCOMPARE(cell(patterns, r, 1), QStringLiteral("12,5 % (1)"));
            }
        QCOMPARE(robotRows, 6);

        QVERIFY(dialog.width() <= 910 && dialog.height() <= 512);
        QStringList captions;
        for (const QPushButton* button : dialog.findChildren<QPushButton*>()) captions << button->text();
        QVERIFY(captions.contains(QStringLiteral("Zamknij")));
    }

    void aBadLogIsReportedWithItsLineAndChangesNothing() {
        ProgramWindow program;
        QVERIFY(program.menu().openFile(VEMRIK_EXAMPLES_DIR "/oval.vemrik"));
        RobotLogDialog dialog(program.window());
        QString error;
        dialog.showError = [&error](const QString& message) { error = message; };
        QVERIFY(dialog.openLog(VEMRIK_EXAMPLES_DIR "/oval-robot.csv"));
        const QString before = dialog.summary()->text();

        const QString bad = dir_.filePath("bad.csv");
        QVERIFY(qttest::writeFile(bad,
                                  "step,heading,x,y,s1,s2,s3,s4,s5,s6,s7,s8,rule_index,rule_text,stop\r\n"
                                  "1,,,,0,0,0,0,0,0,0,0,0,,\r\n"
                                  "2,,,,0,0,0,0,0,0,0,0,1,,\r\n"));
        QVERIFY(!dialog.openLog(bad));
        QCOMPARE(
            error,
            QStringLiteral(
                "Nie można otworzyć przebiegu „%1”:\nwiersz 3: rule_index jest 1, a rule_text jest pusty")
                .arg(bad));
        QCOMPARE(dialog.log()->steps.size(), std::size_t{8});
        QCOMPARE(dialog.summary()->text(), before);
        QCOMPARE(cell(dialog.lines(), 3, 2), QStringLiteral("2"));
    }

    void withoutAStartCellOnlyTheRobotIsCounted() {
        ProgramWindow program;  // a fresh workspace: no rules, no start cell
        RobotLogDialog dialog(program.window());
        QVERIFY(dialog.openLog(VEMRIK_EXAMPLES_DIR "/oval-robot.csv"));
        QVERIFY(dialog.summary()->text().contains(QStringLiteral("Nie można zasymulować tych reguł: ")));
        // Every line the robot names is beyond the empty list, and every pattern is uncovered.
        QCOMPARE(dialog.lines()->rowCount(), 9);
        QCOMPARE(cell(dialog.lines(), 7, 1),
                 QStringLiteral("(nie ma jej w otwartych regułach) — u robota: „0 0 0 0 0 0 0 0 10”"));
        QCOMPARE(cell(dialog.lines(), 7, 3), QStringLiteral("—"));
        QCOMPARE(dialog.uncovered()->text().count('\n'), 5);
        QCOMPARE(cell(dialog.patterns(), 0, 2), QStringLiteral("—"));
    }
};

QTEST_MAIN(RobotLogTest)
#include "robot_log_test.moc"
