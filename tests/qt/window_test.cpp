#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include "app/errors.h"
#include "ui/qt/main_window.h"

using namespace vemrik;

namespace {

void sendMouse(QWidget* to, QEvent::Type type, QPointF at, Qt::MouseButtons held = Qt::LeftButton) {
    QMouseEvent e(type, at, to->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // The window opens on the simulation page without a change event.
    void opensOnSimulationWithoutAChangeEvent() {
        MainWindow w;
        w.show();
        QCOMPARE(w.notebook()->currentIndex(), 3);
        QCOMPARE(w.form().Shell.ActivePage, 3);
        QVERIFY(w.form().Memo1.size() == 0);
    }

    void aDragFarBeyondTheMapShowsOneBoxAndTheProgramKeepsTicking() {
        MainWindow w;
        w.show();
        w.notebook()->setCurrentIndex(1);
        w.findChild<QPushButton*>("Button5")->click();  // "Linia"
        QWidget* map = w.findChild<QWidget*>("Image2");
        sendMouse(map, QEvent::MouseButtonPress, {100, 100});
        for (int x = 100; x < 3000; x += 7) sendMouse(map, QEvent::MouseMove, {double(x), 100});
        sendMouse(map, QEvent::MouseButtonRelease, {2999, 100}, Qt::NoButton);
        QVERIFY(w.errorBox() != nullptr);
        QCOMPARE(w.findChildren<QMessageBox*>().size(), 1);
        QCOMPARE(w.form().State.MapGrid.at(70, 10), 1);  // what came before the error stays
    }

    void aFractionalPointerPositionIsTruncatedNotRounded() {
        MainWindow w;
        w.show();
        w.notebook()->setCurrentIndex(0);
        w.findChild<QPushButton*>("Button1")->click();  // "Konstrukcja"
        sendMouse(w.findChild<QWidget*>("Image1"), QEvent::MouseButtonPress, {9.6, 5.0});
        QCOMPARE(w.form().State.RobotGrid.at(0, 0), 1);
        QCOMPARE(w.form().State.RobotGrid.at(1, 0), 0);
    }

    void aTickWithNothingToDrawTouchesNothing() {
        MainWindow w;
        w.show();
        QTest::qWait(100);  // the first redraw
        int shown = 0;
        w.addAfterHandle([&shown] { ++shown; });
        w.form().Shell.RedrawPending = 0;
        w.form().Shell.TickCounter = 0;
        QTest::qWait(250);  // about ten ticks, fewer than a forced redraw needs
        QCOMPARE(shown, 0);
        w.handle([] {});  // counts the ticks slept through
        QVERIFY(w.form().Shell.TickCounter > 0);
    }

    // The timer sleeps through ticks that only count; the forced redraws still come, and a redraw
    // asked for meanwhile comes at the next tick, not at the next forced one.
    void anIdleWindowStillRedrawsOnTime() {
        MainWindow w;
        w.show();
        QTest::qWait(100);
        int shown = 0;
        w.addAfterHandle([&shown] { ++shown; });
        QTest::qWait(1000);  // some 2.7 forced redraws
        QVERIFY(shown >= 1 && shown <= 5);
        for (int i = 0; i < 3; ++i) {
            QTest::qWait(40 + 70 * i);
            w.handle([&w] { w.form().Shell.RedrawPending = 1; });
            QTest::qWait(60);
            QCOMPARE(w.form().Shell.RedrawPending, 0);
        }
    }

    void failingHandlersShowOneBoxAndTheProgramGoesOn() {
        MainWindow w;
        w.show();
        for (int i = 0; i < 20; ++i) w.handle([] { throw RangeError(71, 71); });
        QVERIFY(w.errorBox() != nullptr);
        QCOMPARE(w.findChildren<QMessageBox*>().size(), 1);
        QVERIFY(w.errorBox()->text().contains("71"));
        const auto before = w.form().Shell.TickCounter;
        QTest::qWait(120);
        w.handle([] {});  // counts the ticks slept through
        QVERIFY(w.form().Shell.TickCounter != before);
    }

    // The rule editor's widgets reach their handlers and show what the form holds.
    void ruleEditorWorksThroughTheWindow() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.notebook()->setCurrentIndex(2);
        auto* bar = w.findChild<QSlider*>("TrackBar1");
        auto* list = w.findChild<QListWidget*>("ListBox1");
        QTest::mouseClick(w.findChild<QCheckBox*>("CheckBox3"), Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(w.form().State.SensorStates[2], 1);
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QString("-1"));  // at once
        QTRY_COMPARE(w.findChild<QLabel*>("Label2")->text(), QString("0 0 1 0 0 0 0 0 -1"));
        for (int i = 0; i < 3; ++i) w.findChild<QPushButton*>("Button13")->click();
        const auto clickLine = [&](int row, Qt::KeyboardModifiers keys = {}) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                              list->visualItemRect(list->item(row)).center());
        };
        clickLine(1);
        w.findChild<QPushButton*>("Button14")->click();
        QCOMPARE(list->count(), 2);
        clickLine(0);
        clickLine(0, Qt::ControlModifier);  // a line selected and then deselected is not removed
        w.findChild<QPushButton*>("Button14")->click();
        QCOMPARE(list->count(), 2);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
