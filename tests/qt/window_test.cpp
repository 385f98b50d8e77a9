#include <QApplication>
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

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // Every visible control of the layout table is a widget in its place; the window opens on
    // the simulation page without a change event.
    void opensOnSimulationWithEveryControlInItsPlace() {
        MainWindow w;
        w.show();
        QCOMPARE(w.centralWidget()->size(), QSize(940, 433));
        QCOMPARE(w.notebook()->currentIndex(), 3);
        QCOMPARE(w.form().State.ActivePage, 3);
        QVERIFY(w.form().Memo1.size() == 0);  // no change event for the opening page
        for (const ControlSpec& control : formLayout()) {
            QWidget* c = w.findChild<QWidget*>(QString::fromUtf8(control.name.data(), control.name.size()));
            if (!control.visible) {
                QVERIFY2(c == nullptr || !c->isVisible(), control.name.data());
                continue;
            }
            QVERIFY2(c != nullptr, control.name.data());
            QCOMPARE(c->pos(), QPoint(control.left, control.top));
            if (control.width > 0) QCOMPARE(c->size(), QSize(control.width, control.height));
        }
        QCOMPARE(w.findChild<QSlider*>("TrackBar1")->minimum(), -360);
        w.notebook()->setCurrentIndex(1);
        QCOMPARE(w.form().State.ActivePage, 1);
    }

    void aDragFarBeyondTheMapShowsOneBoxAndTheProgramKeepsTicking() {
        MainWindow w;
        w.show();
        w.notebook()->setCurrentIndex(1);
        w.findChild<QPushButton*>("Button5")->click();  // "Linia"
        QWidget* map = w.findChild<QWidget*>("Image2");
        const auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
            QMouseEvent e(type, at, map->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(map, &e);
        };
        send(QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
        for (int x = 100; x < 3000; x += 7) send(QEvent::MouseMove, {double(x), 100}, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, {2999, 100}, Qt::NoButton);
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
        QWidget* board = w.findChild<QWidget*>("Image1");
        const QPointF at(9.6, 5.0);
        QMouseEvent press(QEvent::MouseButtonPress, at, board->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board, &press);
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
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
