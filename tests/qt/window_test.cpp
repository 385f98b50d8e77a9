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
#include "ui/layout.h"
#include "ui/qt/main_window.h"

using namespace vemrik;

namespace {

void sendMouse(QWidget* to, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, to->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(to, &e);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // Every visible control of the layout table is a widget in its place; the window opens on
    // the simulation page without a change event.
    void opensOnSimulationWithEveryControlInItsPlace() {
        MainWindow w;
        w.show();
        QCOMPARE(w.notebook()->currentIndex(), 3);
        QCOMPARE(w.form().State.ActivePage, 3);
        QVERIFY(w.form().Memo1.size() == 0);  // no change event for the opening page
        for (const ControlSpec& control : formLayout()) {
            QWidget* c = w.findChild<QWidget*>(QString::fromUtf8(control.name.data(), control.name.size()));
            QVERIFY2(control.visible ? c != nullptr : c == nullptr || !c->isVisible(), control.name.data());
            if (!control.visible) continue;
            QCOMPARE(c->pos(), QPoint(control.left, control.top));
            if (control.width > 0) QCOMPARE(c->size(), QSize(control.width, control.height));
        }
    }

    void aDragFarBeyondTheMapShowsOneBoxAndTheProgramKeepsTicking() {
        MainWindow w;
        w.show();
        w.notebook()->setCurrentIndex(1);
        w.findChild<QPushButton*>("Button5")->click();  // "Linia"
        QWidget* map = w.findChild<QWidget*>("Image2");
        sendMouse(map, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
        for (int x = 100; x < 3000; x += 7)
            sendMouse(map, QEvent::MouseMove, {double(x), 100}, Qt::LeftButton);
        sendMouse(map, QEvent::MouseButtonRelease, {2999, 100}, Qt::NoButton);
        QVERIFY(w.errorBox() != nullptr);
        QCOMPARE(w.findChildren<QMessageBox*>().size(), 1);
        // What came before the error stays: the cells of the drag up to column 70.
        QCOMPARE(w.form().State.MapGrid.at(70, 10), 1);
        const auto before = w.form().Image2.canvas.version();
        QTest::qWait(450);  // past a forced redraw
        QVERIFY(w.form().Image2.canvas.version() != before);
        w.errorBox()->close();
        QTRY_VERIFY(w.errorBox() == nullptr);
    }

    void aFractionalPointerPositionIsTruncatedNotRounded() {
        MainWindow w;
        w.show();
        w.notebook()->setCurrentIndex(0);
        w.findChild<QPushButton*>("Button1")->click();  // "Konstrukcja"
        sendMouse(w.findChild<QWidget*>("Image1"), QEvent::MouseButtonPress, {9.6, 5.0}, Qt::LeftButton);
        QCOMPARE(w.form().State.RobotGrid.at(0, 0), 1);
        QCOMPARE(w.form().State.RobotGrid.at(1, 0), 0);
    }

    void failingHandlersShowOneBoxAndTheProgramGoesOn() {
        MainWindow w;
        w.show();
        for (int i = 0; i < 20; ++i) w.handle([] { throw RangeError(71, 71); });
        QVERIFY(w.errorBox() != nullptr);
        QCOMPARE(w.findChildren<QMessageBox*>().size(), 1);
        QVERIFY(w.errorBox()->text().contains("71"));
        const auto before = w.form().State.TickCounter;
        QTest::qWait(120);
        QVERIFY(w.form().State.TickCounter != before);  // the refresh timer still ticks
    }

    // The algorithm page's widgets reach their handlers and show what the form holds.
    void ruleEditorWorksThroughTheWindow() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.notebook()->setCurrentIndex(2);
        auto* bar = w.findChild<QSlider*>("TrackBar1");
        auto* label2 = w.findChild<QLabel*>("Label2");
        auto* add = w.findChild<QPushButton*>("Button13");
        auto* remove = w.findChild<QPushButton*>("Button14");
        auto* list = w.findChild<QListWidget*>("ListBox1");
        QTest::mouseClick(w.findChild<QCheckBox*>("CheckBox3"), Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(w.form().State.SensorStates[2], 1);
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QString("-1"));  // at once
        QTRY_COMPARE(label2->text(), QString("0 0 1 0 0 0 0 0 -1"));
        QTest::mouseClick(add, Qt::LeftButton);
        QTest::keyClick(bar, Qt::Key_Left);
        QTRY_COMPARE(label2->text(), QString("0 0 1 0 0 0 0 0 -2"));
        QTest::mouseClick(add, Qt::LeftButton);
        QTest::mouseClick(add, Qt::LeftButton);
        const auto clickLine = [&](int row, Qt::KeyboardModifiers keys = {}) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, keys,
                              list->visualItemRect(list->item(row)).center());
        };
        clickLine(1);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QString("0 0 1 0 0 0 0 0 -2"));
        // A line selected and then deselected is not removed.
        clickLine(0);
        clickLine(0, Qt::ControlModifier);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(list->count(), 2);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
