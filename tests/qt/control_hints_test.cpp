// What helps a learner read the window: the sensor boxes' numbers, tooltips and greyed look, the
// boxes following the rule text, the sliders' values, which way the robot faces, and the pause.
#include "ui/qt/control_hints.h"

#include "tests/engine_edits.h"
#include "tests/qt/qt_test.h"
#include "ui/qt/heading_marks.h"
#include "ui/qt/pause_action.h"
#include "ui/qt/run_view.h"
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

class ControlHintsTest : public QObject {
    Q_OBJECT

private slots:
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
            QVERIFY(hints.box(n)->isEnabled());
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

        for (QLabel* label : {marks.front(), marks.startCaption(), marks.startArrow()})
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

QTEST_MAIN(ControlHintsTest)
#include "control_hints_test.moc"
