// What the window shows of a run and helps a learner read: the status, the rule list's marks,
// the inspector, the rule check and the step back; the sensor boxes' numbers, tooltips and greyed
// look, the sliders' values, which way the robot faces, and the pause.
#include "ui/qt/run_view.h"

#include <random>

#include "tests/engine_edits.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/control_hints.h"
#include "ui/qt/heading_marks.h"
#include "ui/qt/notice_overlay.h"
#include "ui/qt/pause_action.h"
#include "ui/qt/rule_check_dialog.h"
#include "ui/qt/rule_inspector.h"
#include "ui/qt/step_back.h"

using namespace vemrik;
using namespace vemrik::qttest;

namespace {

/// The space bar as a user presses it: to the widget with the focus.
void pressSpace(QWidget& window) {
    QWidget* to = QApplication::focusWidget();
    QTest::keyClick(to ? to : &window, Qt::Key_Space);
}

}  // namespace

class RunViewTest : public QObject {
    Q_OBJECT

private slots:
    // The notice over the image is widgets of its own: at start-up the first start's buttons, and
    // a released robot off the map the banner, whose "Wróć" sends it back as the page's button does.
    void theNoticeOverTheImageIsButtonsFoundByCaption() {
        MainWindow w;
        NoticeOverlay notices(w);
        TForm1& form = w.form();
        const auto shown = [&w](const QString& caption) -> QAbstractButton* {
            for (auto* b : w.control("sim.view")->findChildren<QPushButton*>())
                if (QString(b->text()).remove('&') == caption && b->isVisibleTo(&w)) return b;
            return nullptr;
        };
        for (const char* caption : {"Otwórz przykład", "Zacznij od zera", "Przewodnik"})
            QVERIFY(shown(caption));
        shown("Zacznij od zera")->click();
        QCOMPARE(w.notebook()->currentIndex(), int(kRobotPage));
        w.handle([&] {
            setRobot(form.engine, [](ProgramState& s) { s.RobotGrid.at(10, 5) = kSensor; });
            setTrack(form.engine, [](ProgramState& s) { s.MapGrid.at(69, 39) = kStart; });
        });
        w.notebook()->setCurrentIndex(kSimulationPage);
        QVERIFY(!shown("Otwórz przykład"));
        w.findChild<QPushButton*>("Button15")->click();  // "Start"
        setRun(form.engine, [](RunMoment& m) { m.x = 100, m.y = 4; });
        for (int step = 1; step <= 3; ++step) w.findChild<QPushButton*>("BitBtn6")->click();
        auto* banner = w.control("sim.view")->findChild<QLabel*>("noticeText");
        QVERIFY(banner && banner->isVisibleTo(&w));
        QCOMPARE(banner->text(), QString("Robot wyjechał poza mapę w kroku 2"));
        QVERIFY(w.control("sim.view")->findChild<QWidget*>("noticeEdgeMark")->isVisibleTo(&w));
        shown("Wróć")->click();
        QCOMPARE(runState(form.State, false), RunState::Held);
        QVERIFY(!shown("Wróć"));
    }

    // One rule of no turn matches all sensors off: a draw r acts with it when r is even. The
    // list's items carry the mark of the rule that acted last and each line's hits as a tooltip.
    void theMenuSetsTheOptionsAndEachStepShowsItsCountersRuleMarkAndHits() {
        MainWindow w;
        RunView view(w);
        TForm1& form = w.form();
        for (const char* id : {"run.speed4", "run.trail", "run.repeatable"}) w.commandAction(id)->trigger();
        QVERIFY(form.Timer2.interval == 50 && form.TrailShown && form.engine.repeatableRuns());
        setRun(form.engine, [](RunMoment& m) { m.x = 100; });
        w.handle([&] { form.ListBox1.add("1 1 1 1 1 1 1 1 5"), form.ListBox1.add("0 0 0 0 0 0 0 0 0"); });
        auto* list = w.findChild<QListWidget*>("ListBox1");
        std::mt19937 draws(Engine::kDefaultSeed);
        const char* times[] = {"0,2", "0,4", "0,6", "0,8", "1,0", "1,2"};
        for (int n = 1, hits = 0; n <= 6; ++n) {
            const bool acted = draws() % 2 == 0;
            hits += acted;
            w.findChild<QPushButton*>("BitBtn6")->click();
            const QString status(
                "kroki: %1 | czas: %2 s | stan: zatrzymany | kierunek 0,0°, x 100,0, y -%3,0 | %4 | "
                "ziarno 5489 (powtarzalne)");
            QCOMPARE(view.statusText(), status.arg(QString::number(n), times[n - 1], QString::number(3 * n),
                                                   acted ? "reguła 2: 0 0 0 0 0 0 0 0 0" : "prosto"));
            QCOMPARE(list->item(1)->background().style() != Qt::NoBrush, acted);
            QCOMPARE(list->item(1)->toolTip(), QString("trafienia od startu: %1").arg(hits));
        }
        // Without a start cell "Start" would keep the run held.
        w.handle([&] { setTrack(form.engine, [](ProgramState& s) { s.MapGrid.at(69, 39) = kStart; }); });
        w.findChild<QPushButton*>("Button15")->click();  // "Start"
        QVERIFY(view.statusText().startsWith("kroki: 0 | czas: 0,0 s | stan: gotowy"));
        QCOMPARE(list->item(1)->toolTip(), QString("trafienia od startu: 0"));
    }

    void theSeedAndTheCsvDialogsRefuseOrCancelWithoutATrace() {
        QTemporaryDir dir;
        MainWindow w;
        RunView view(w);
        std::optional<QString> answer = QString(" 42 ");
        QString path;
        QStringList errors;
        view.askSeed = [&](std::uint32_t) { return answer; };
        CsvForm form = CsvForm::Plain;
        view.chooseCsvPath = [&](const QString&) { return RunView::CsvChoice{path, form}; };
        view.showError = [&](const QString& m) { errors << m; };
        QVERIFY(view.chooseSeed());
        answer = QString("4294967296");
        QVERIFY(!view.chooseSeed());
        answer = std::nullopt;
        QVERIFY(!view.chooseSeed() && !view.saveRun());  // both cancelled
        QVERIFY(w.form().engine.seed() == 42 && errors.size() == 1);
        path = dir.filePath("przebieg.csv");
        QVERIFY(view.saveRun() && QFile::exists(path));
        path = dir.filePath("brak/przebieg.csv");
        QVERIFY(!view.saveRun() && errors.size() == 2);
        std::tie(path, form) = std::pair(dir.filePath("arkusz.csv"), CsvForm::Sheet);
        QFile sheet(path);
        QVERIFY(view.saveRun() && sheet.open(QIODevice::ReadOnly));
        QCOMPARE(sheet.readLine(),
                 QByteArray("\xEF\xBB\xBFkrok;kierunek;x;y;czujnik 1;czujnik 2;czujnik 3;czujnik 4;"
                            "czujnik 5;czujnik 6;czujnik 7;czujnik 8;nr reguły;reguła;meta\n"));
    }

    // A robot without sensors, two lines of all off and one wanting sensor 1. The inspector
    // follows a step; the check lists its findings and follows an edit; clicking an entry of
    // either selects its line on "Algorytm". The check's button overlaps no control of the page.
    void theInspectorAndTheRuleCheckSelectTheLinesTheyName() {
        MainWindow w;
        RuleInspector inspector(w);
        QPushButton* check = addRuleCheck(w);
        w.show();
        TForm1& form = w.form();
        w.handle([&] {
            for (const char* rule : {"0 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 0", "1 0 0 0 0 0 0 0 0"})
                form.ListBox1.add(rule);
        });
        inspector.action()->trigger();
        w.findChild<QPushButton*>("BitBtn6")->click();
        QListWidget* matches = inspector.matches();
        QCOMPARE(matches->count(), 3);
        QCOMPARE(matches->item(1)->text(), QString("linia 2 (kąt 0): szansa 1/3 (33 %)"));
        auto* rules = w.findChild<QListWidget*>("ListBox1");
        clickRow(matches, 1);
        QVERIFY(form.ListBox1.itemIndex == 1 && rules->selectedItems().value(0) == rules->item(1));
        QCOMPARE(w.notebook()->currentIndex(), int(kAlgorithmPage));

        QVERIFY(overlapsNothing(check));
        check->click();
        auto* findings = w.findChild<QListWidget*>("ruleCheckFindings");
        QCOMPARE(findings->count(), 2);  // line 3 never acts, line 2 repeats line 1
        clickRow(findings, 0);
        QVERIFY(form.ListBox1.itemIndex == 2 && rules->selectedItems().value(0) == rules->item(2));
        w.handle([&] { form.ListBox1.deleteAt(2); });
        QCOMPARE(findings->count(), 1);
    }

    // Three steps straight up from y 0; the controls sit clear of every control of the page.
    void stepBackShowsAnEarlierStepUntilAnEditEndsTheHistory() {
        MainWindow w;
        RunView view(w);
        StepBackControls controls(w);
        w.show();
        QVERIFY(overlapsNothing(controls.button()) && overlapsNothing(controls.slider()));
        QVERIFY(!controls.button()->isEnabled());
        // Far from the robot at (0, 0).
        w.handle([&] { setTrack(w.form().engine, [](ProgramState& s) { s.MapGrid.at(69, 39) = kStart; }); });
        w.findChild<QPushButton*>("Button15")->click();
        for (int n = 0; n < 3; ++n) w.findChild<QPushButton*>("BitBtn6")->click();
        controls.button()->click();
        QVERIFY(view.statusText().contains("y -6,0 | prosto | cofnięto do kroku 2 z 3"));
        controls.slider()->setValue(0);
        QVERIFY(view.statusText().startsWith("kroki: 0 |") && controls.slider()->maximum() == 3);
        w.handle([&] { w.form().ListBox1.add("0 0 0 0 0 0 0 0 5"); });
        QVERIFY(view.statusText().contains("nie można cofać: zmieniono robota, mapę lub reguły"));
        QVERIFY(!controls.button()->isEnabled() && !controls.slider()->isEnabled());
    }

    // Three single sensors in row 0: boxes 4 to 8 are for sensors the robot lacks. Then the
    // sensing left sensors 2 and 8 on: shown again, "Algorytm" ticks them, a click then changes
    // only its own sensor.
    void eachBoxNamesItsSensorLooksGreyedWhenMissingAndTicksTheSensedPattern() {
        MainWindow w;
        ControlHints hints(w);
        w.show();
        TForm1& form = w.form();
        w.handle([&] {
            setRobot(form.engine, [](ProgramState& s) {
                for (int x : {2, 5, 8}) s.RobotGrid.at(x, 0) = kSensor;
            });
        });
        w.notebook()->setCurrentIndex(kAlgorithmPage);
        for (int n = 1; n <= 8; ++n) {
            const QPalette p = hints.box(n)->palette();
            QCOMPARE(p.color(QPalette::Active, QPalette::Text) == p.color(QPalette::Disabled, QPalette::Text),
                     n > 3);
            QCOMPARE(hints.box(n)->toolTip(), n > 3
                                                  ? QString("czujnik %1 – tego czujnika robot nie ma").arg(n)
                                                  : QString("czujnik %1").arg(n));
            QVERIFY(overlapsNothing(hints.number(n)));
        }
        QTest::mouseClick(hints.box(6), Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(form.State.SensorStates[5], 1);
        w.handle([&] {
            setRobot(form.engine, [](ProgramState& s) {
                for (int x = 10; x < 15; ++x) s.RobotGrid.at(x, 3) = kSensor;
            });
        });
        for (int n = 1; n <= 8; ++n) QVERIFY(!hints.greyed(n));

        w.notebook()->setCurrentIndex(kSimulationPage);
        w.handle([&] { setRun(form.engine, [](RunMoment& m) { m.sensors = {0, 1, 0, 0, 0, 0, 0, 1}; }); });
        w.notebook()->setCurrentIndex(kAlgorithmPage);
        QString ticks;
        for (int n = 1; n <= 8; ++n) ticks += hints.box(n)->isChecked() ? '1' : '0';
        QCOMPARE(ticks, QString("01000001"));
        QTest::mouseClick(hints.box(3), Qt::LeftButton, {}, QPoint(6, 8));
        QTRY_COMPARE(w.findChild<QLabel*>("Label2")->text(), QString("0 1 1 0 0 0 0 1 0"));
    }

    void eachSliderShowsItsValueAndTheStartArrowPointsWhereStartWillGo() {
        MainWindow w;
        ControlHints hints(w);
        HeadingMarks marks(w);
        w.show();
        auto* angle = w.findChild<QSlider*>("TrackBar1");
        auto* start = w.findChild<QSlider*>("TrackBar2");
        angle->setValue(45);
        start->setValue(-90);
        QCOMPARE(angle->toolTip(), QString("kąt reguły: 45°"));
        QCOMPARE(marks.startCaption()->text(), QString("kierunek startu: -90°"));
        QCOMPARE(marks.startValue()->text(), QString("-90°"));
        // A degree for a key or a notch of the wheel, fifteen for a page.
        QCOMPARE(std::pair(start->singleStep(), start->pageStep()), std::pair(1, 15));
        QWheelEvent notch({5, 5}, start->mapToGlobal(QPoint(5, 5)), {}, {0, 120}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(start, &notch);
        QCOMPARE(w.form().TrackBar2.position, -89);
        QLabel* name = byCaption<QLabel>(start->parentWidget(), "Kierunek startu");
        QVERIFY(name && name->buddy() == start);

        for (QLabel* label :
             {marks.front(), marks.startCaption(), marks.startArrow(), marks.startValue(), name})
            QVERIFY(overlapsNothing(label));
        // Held, the arrow is strong; at -90 it points left: its head is 12 pixels left of the centre.
        const auto colourAt = [&](int x, int y) {
            return marks.startArrow()->pixmap().toImage().pixelColor(x, y);
        };
        const QColor strong(20, 60, 200), pale(170, 170, 170);
        QCOMPARE(colourAt(10, 22), strong);
        QVERIFY(colourAt(22, 10) != strong);
        w.handle([&] { setTrack(w.form().engine, [](ProgramState& s) { s.MapGrid.at(5, 5) = kStart; }); });
        w.findChild<QPushButton*>("Button15")->click();
        QCOMPARE(colourAt(10, 22), pale);
    }

    // The space bar pauses on "Symulacja" after a click on "Włącz"; a button reached with Tab
    // keeps it, and elsewhere it is no shortcut.
    void theSpaceBarPausesOnSimulationWithoutStealingAFocusedButtonsSpace() {
        MainWindow w;
        RunView view(w);
        StepBackControls stepBack(w);
        PauseAction pause(w);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        TForm1& form = w.form();
        auto* on = w.findChild<QPushButton*>("BitBtn7");
        auto* step = w.findChild<QPushButton*>("BitBtn6");
        w.handle([&] { setTrack(form.engine, [](ProgramState& s) { s.MapGrid.at(35, 20) = kStart; }); });
        QTest::mouseClick(w.findChild<QPushButton*>("Button15"), Qt::LeftButton);
        QTest::mouseClick(on, Qt::LeftButton);
        QVERIFY(form.Timer2.enabled && !on->hasFocus());
        w.handle([&] { form.Timer2Timer(); });
        pressSpace(w);
        QVERIFY(!form.Timer2.enabled && form.Paused && view.statusText().contains("stan: pauza"));
        QCOMPARE(form.engine.record().steps(), 1u);

        step->setFocus(Qt::TabFocusReason);
        pressSpace(w);
        QVERIFY(form.engine.record().steps() == 2u && form.Paused);
        QTest::mouseClick(on, Qt::LeftButton);
        w.notebook()->setCurrentIndex(kRobotPage);
        QVERIFY(pause.action()->shortcut().isEmpty());
        pressSpace(w);
        QVERIFY(form.Timer2.enabled);
        w.notebook()->setCurrentIndex(kSimulationPage);
        QCOMPARE(pause.action()->shortcut(), QKeySequence(Qt::Key_Space));
    }
};

QTEST_MAIN(RunViewTest)
#include "run_view_test.moc"
