#include "app/errors.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/race_window.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_file.h"

using namespace vemrik;
using namespace vemrik::qttest;

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // A tick with nothing to draw never reaches the window: the timer sleeps up to the forced
    // redraw of every 15th tick and counts the ticks slept through when the state is looked at.
    void idleTicksOnlyCountAndTheForcedRedrawsComeOnTime() {
        MainWindow w;
        w.show();
        RefreshTimer& timer = w.refreshTimer();
        timer.driveByHand();
        int shown = 0;
        w.addAfterHandle([&shown] { ++shown; });
        const auto redrawsAndCounter = [&] { return std::pair(shown, w.form().Shell.TickCounter); };
        timer.advance(kTick);  // the first redraw
        QCOMPARE(redrawsAndCounter(), std::pair(1, 1));
        timer.advance(13 * kTick);
        QCOMPARE(redrawsAndCounter(), std::pair(1, 1));  // asleep, nothing touched
        w.handle([] {});
        QCOMPARE(redrawsAndCounter(), std::pair(2, 14));
        timer.advance(kTick);
        QCOMPARE(redrawsAndCounter(), std::pair(3, 0));
        timer.advance(4 * 15 * kTick - 1);
        QCOMPARE(shown, 6);
        timer.advance(1);
        QCOMPARE(shown, 7);
    }

    // A redraw asked for while asleep comes at the next tick of the same beat, not at the forced one.
    void aRedrawAskedForWhileAsleepComesAtTheNextTick() {
        const struct {
            int after;      // ms after a forced redraw
            int nextTick;   // ms from then to the next tick
            int tickCount;  // counter once that tick drew
        } cases[] = {{1, 24, 1}, {40, 10, 2}, {110, 15, 5}, {349, 1, 14}};
        for (const auto& c : cases) {
            MainWindow w;
            w.show();
            RefreshTimer& timer = w.refreshTimer();
            timer.driveByHand();
            timer.advance(15 * kTick);  // the first redraw and the first forced one
            QCOMPARE(w.form().Shell.TickCounter, 0);
            timer.advance(c.after);
            w.handle([&w] { w.form().Shell.RedrawPending = 1; });
            timer.advance(c.nextTick - 1);
            QCOMPARE(w.form().Shell.RedrawPending, 1);
            timer.advance(1);
            QCOMPARE(std::pair(int{w.form().Shell.RedrawPending}, w.form().Shell.TickCounter),
                     std::pair(0, c.tickCount));
        }
    }

    // A drag far beyond the map fails at its first cell past the edge, and so does each handler
    // after it: one box for them all, what came before the error kept, and the ticks go on.
    void failingHandlersShowOneBoxAndTheProgramGoesOn() {
        MainWindow w;
        w.show();
        w.refreshTimer().driveByHand();
        w.notebook()->setCurrentIndex(1);
        w.findChild<QPushButton*>("Button5")->click();  // "Linia"
        QWidget* map = w.findChild<QWidget*>("Image2");
        sendMouse(map, QEvent::MouseButtonPress, {100, 100});
        for (int x = 100; x < 3000; x += 7) sendMouse(map, QEvent::MouseMove, {double(x), 100});
        sendMouse(map, QEvent::MouseButtonRelease, {2999, 100});
        QVERIFY(w.errorBox() != nullptr);
        QCOMPARE(w.form().State.MapGrid.at(70, 10), 1);
        for (int i = 0; i < 20; ++i) w.handle([] { throw RangeError(71, 71); });
        QCOMPARE(w.findChildren<QMessageBox*>().size(), 1);
        QVERIFY(w.errorBox()->text().contains("71"));
        int shown = 0;
        w.addAfterHandle([&shown] { ++shown; });
        w.refreshTimer().advance(16 * kTick);  // a redraw asked for and a forced one
        QCOMPARE(shown, 2);
    }

    // Which tool is down is the core's; a checkable button a second click would raise stays down.
    void theChosenToolsButtonIsDown() {
        MainWindow w;
        w.notebook()->setCurrentIndex(kMapPage);
        auto* start = byCaption<QPushButton>(w.notebook()->currentWidget(), "Start");
        for (int n = 0; n < 2; ++n) start->click();
        QVERIFY(start->isChecked());
        w.notebook()->setCurrentIndex(kRobotPage);
        QVERIFY(!start->isChecked());
    }

    // The window opens on the simulation page without a change event; the rule editor's widgets
    // reach their handlers and show what the form holds.
    void opensOnSimulationAndTheRuleEditorWorksThroughTheWindow() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(std::tuple(w.notebook()->currentIndex(), w.form().Shell.ActivePage, w.form().Memo1.size()),
                 std::tuple(3, 3, std::size_t{0}));
        w.notebook()->setCurrentIndex(2);
        auto* bar = w.findChild<QSlider*>("TrackBar1");
        auto* list = w.findChild<QListWidget*>("ListBox1");
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QString("-1"));  // at once
        QTRY_COMPARE(w.findChild<QLabel*>("Label2")->text(), QString("0 0 0 0 0 0 0 0 -1"));
        for (int i = 0; i < 3; ++i) w.findChild<QPushButton*>("Button13")->click();
        clickRow(list, 1);
        w.findChild<QPushButton*>("Button14")->click();
        QCOMPARE(list->count(), 2);
        clickRow(list, 0);
        clickRow(list, 0, Qt::ControlModifier);  // a line selected and then deselected is not removed
        w.findChild<QPushButton*>("Button14")->click();
        QCOMPARE(list->count(), 2);
    }

    // "Usun" takes every stroke at once; "Edycja" → "Cofnij zmianę" gives them back, and puts a
    // slider moved after it back too.
    void undoChangeGivesBackTheStrokesUsunTook() {
        MainWindow w;
        w.commandMenus();
        w.refreshTimer().driveByHand();
        QAction* undo = nullptr;
        for (QMenu* menu : w.menuBar()->findChildren<QMenu*>())
            for (QAction* a : menu->actions())
                if (menu->title() == "Edyc&ja" && a->text().remove('&') == "Cofnij zmianę") undo = a;
        w.notebook()->setCurrentIndex(kMapPage);
        w.findChild<QPushButton*>("Button7")->click();  // "Pendzel"
        QWidget* map = w.findChild<QWidget*>("Image2");
        sendMouse(map, QEvent::MouseButtonPress, {100, 100});
        sendMouse(map, QEvent::MouseMove, {200, 150});
        sendMouse(map, QEvent::MouseButtonRelease, {200, 150});
        const Grid strokes = w.form().State.StrokeList;
        w.findChild<QPushButton*>("Button11")->click();  // "Usun"
        w.findChild<QSlider*>("TrackBar2")->setValue(90);
        undo->trigger();
        QCOMPARE(w.findChild<QSlider*>("TrackBar2")->value(), 0);
        undo->trigger();
        QVERIFY(strokes.columns() > 0 && w.form().State.StrokeList == strokes);
    }

    // A race of three on the form's track runs to its end on the run timer, the table in the finish
    // order; "Pokaż przebieg" puts the winner's run, seed and all, into the form.
    void aRaceOfThreeRunsToItsEndAndShowsTheWinnersRun() {
        MainWindow w;
        addRaceAction(w);
        const auto example = [](const char* name) {
            return QString(VEMRIK_EXAMPLES_DIR "/") + name + ".vemrik";
        };
        const Workspace zigzag = *readWorkspaceFile(example("zigzag").toStdString()).workspace;
        w.handle([&] {
            applyWorkspace(w.form(), zigzag);
            w.form().document.keep("zigzag.vemrik", w.form().engine);
        });
        w.commandAction("run.race")->trigger();
        RaceWindow& r = *w.findChild<RaceWindow*>("raceWindow");
        r.addFiles({example("zigzag"), example("oval"), example("figure-eight")});
        QTest::mouseClick(r.findChild<QPushButton*>("start"), Qt::LeftButton);
        while (r.board().running()) r.tick();
        QStringList table;
        for (int row = 0; row < r.order()->rowCount(); ++row)
            for (int column = 0; column < 4; ++column) table << r.order()->item(row, column)->text();
        QCOMPARE(table.join(' '), "1 zigzag 323 stop 2 oval 4816 stop  figure-eight 122 zgubił się");
        r.order()->setCurrentCell(0, 0);
        QTest::mouseClick(r.findChild<QPushButton*>("showRun"), Qt::LeftButton);
        const TForm1& f = w.form();
        QVERIFY(f.engine.seed() == Race::kDefaultSeed && f.engine.repeatableRuns() &&
                f.State.RobotGrid == zigzag.robot && f.State.MapGrid == zigzag.map &&
                w.notebook()->currentIndex() == kSimulationPage);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
