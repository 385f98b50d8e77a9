#include "tests/qt/qt_test.h"
#include "ui/qt/image_view.h"
#include "ui/qt/keyboard_aids.h"
#include "ui/qt/program_window.h"

using namespace vemrik;
using namespace vemrik::qttest;

namespace {

int pressedAt(ImageView& view, double widgetX) {
    int reported = -99;
    view.onPress = [&](int x, int) { reported = x; };
    sendMouse(&view, QEvent::MouseButtonPress, {widgetX, 0});
    return reported;
}

void key(QWidget* to, int k, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(to, static_cast<Qt::Key>(k));
}

QImage grabbed(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

ImageView* image(MainWindow& w, const char* name) {
    return dynamic_cast<ImageView*>(w.findChild<QWidget*>(name));
}

}  // namespace

class ZoomKeyboardTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir_;

private slots:
    void initTestCase() { keepSettingsIn(settingsDir_); }

    // A fresh window takes the focus itself, so Ctrl+Q works before any click; the zoom chosen
    // comes back in the next window.
    void aFreshWindowQuitsOnCtrlQAndTheZoomComesBackFromTheSettings() {
        {
            ProgramWindow whole;
            whole.show();
            QVERIFY(QTest::qWaitForWindowActive(&whole.window()));
            QCOMPARE(whole.window().zoom(), kZooms[0]);  // ×1 when nothing was chosen
            whole.window().findChild<QAction*>("actionZoomFit")->trigger();
            QTest::keyClick(&whole.window(), Qt::Key_Q, Qt::ControlModifier);
            QVERIFY(!whole.window().isVisible());
        }
        ProgramWindow again;
        QVERIFY(again.window().findChild<QAction*>("actionZoomFit")->isChecked());
    }

    // Widget pixel p is image pixel p / factor rounded down, for the pointer and the picture alike,
    // down to the last row; cells are 10 image pixels.
    void thePointerAndThePictureMapAlike() {
        const struct {
            int zoom;
            double widgetX;
            int imageX;
        } cases[] = {
            {0, 9.9, 9},   {0, -3.0, -3},  // a fraction truncated; left of the image
            {1, 3.0, 2},   {1, 4.0, 2},   {1, 14.9, 9}, {1, 15.0, 10}, {1, 301.0, 200},
            {1, -1.0, -1}, {1, -3.0, -2}, {2, 19.0, 9}, {2, -3.0, -2},
        };
        Raster raster(201, 3);
        for (int x = 0; x < 201; ++x)
            for (int y = 0; y < 3; ++y) raster.setPixel(x, y, static_cast<Colour>(x));  // red = column
        ImageView view(raster, nullptr);
        for (const auto& c : cases) {
            view.setZoom(kZooms[c.zoom]);
            QVERIFY2(pressedAt(view, c.widgetX) == c.imageX, qPrintable(QString::number(c.widgetX)));
            const QImage shown = grabbed(&view);
            if (c.widgetX >= 0) QCOMPARE(qRed(shown.pixel(int(c.widgetX), shown.height() - 1)), c.imageX);
        }
        view.setZoom(kZooms[1]);
        QCOMPARE(grabbed(&view).size(), QSize(302, 5));
    }

    void theFormGrowsWithTheZoomAndComesBackPixelForPixel() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));  // the palette of an active window from the start
        std::vector<QImage> before;
        for (int page = 0; page < 4; ++page) {
            w.notebook()->setCurrentIndex(page);
            // Qt's own style draws a slider's ticks in another colour the first time only.
            grabbed(w.formWidget());
            before.push_back(grabbed(w.formWidget()));
        }
        w.setZoom(kZooms[2]);
        QCOMPARE(w.formWidget()->size(), QSize(1880, 866));
        QCOMPARE(w.findChild<QWidget*>("Image2")->geometry(), QRect(0, 0, 1402, 802));
        w.setZoom(kZooms[0]);
        for (int page = 0; page < 4; ++page) {
            w.notebook()->setCurrentIndex(page);
            QVERIFY2(grabbed(w.formWidget()) == before[static_cast<std::size_t>(page)],
                     qPrintable(QString::number(page)));
        }
    }

    // Arrows move the cursor a cell, space is the button: a body cell at column 3, row 2. Which
    // handler each key reaches is the core's CellCursor test.
    void theKeyboardDrawsOnTheBoards() {
        MainWindow w;
        w.show();
        w.notebook()->setCurrentIndex(0);
        w.findChild<QPushButton*>("Button1")->click();  // "Konstrukcja"
        ImageView* robot = image(w, "Image1");
        robot->setFocus(Qt::TabFocusReason);
        key(robot, Qt::Key_Right, 3);
        key(robot, Qt::Key_Down, 2);
        key(robot, Qt::Key_Space);
        const Grid& cells = w.form().State.RobotGrid;
        QCOMPARE(cells.at(3, 2), 1);
    }

    // At ×2 the map is wider than the offscreen screen: the form scrolls to keep the cursor in
    // sight, and a zoom change brings the form's top-left corner back into view.
    void theFormScrollsToTheCursorAndBackOnAZoomChange() {
        MainWindow w;
        w.show();
        w.setZoom(kZooms[2]);
        w.notebook()->setCurrentIndex(1);
        ImageView* map = image(w, "Image2");
        map->setFocus(Qt::TabFocusReason);
        key(map, Qt::Key_Right, 70);
        key(map, Qt::Key_Down, 39);
        auto* area = qobject_cast<QScrollArea*>(w.centralWidget());
        const QRect cell(map->mapTo(area->viewport(), QPoint(1400, 780)), QSize(2, 20));  // the last one
        QVERIFY(area->viewport()->rect().contains(cell));
        w.setZoom(kZooms[1]);
        QCOMPARE(QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()),
                 QPoint(0, 0));
    }

    // The cursor shows only while the board has the keyboard's focus.
    void theCursorIsDrawnOnlyWithFocus() {
        MainWindow w;
        w.show();
        w.notebook()->setCurrentIndex(0);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        ImageView* robot = image(w, "Image1");
        const QImage plain = grabbed(robot);
        robot->setFocus(Qt::TabFocusReason);
        key(robot, Qt::Key_Right);
        const QImage focused = grabbed(robot);
        QCOMPARE(focused.pixel(10, 5), qRgb(255, 200, 0));  // the inner line at the cell's left edge
        w.findChild<QPushButton*>("Button1")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(grabbed(robot), plain);
        // A page switched with the mouse hands the focus on to the board: no cursor until a key.
        robot->setFocus(Qt::OtherFocusReason);
        QCOMPARE(grabbed(robot), plain);
        key(robot, Qt::Key_Left);
        QCOMPARE(grabbed(robot).pixel(0, 5), qRgb(255, 200, 0));
    }

    // Alt and the letter press the button of the page on show; the outline follows the keyboard's
    // focus only, around the button.
    void altAndTheLetterPressTheButtonAndTheOutlineFollowsKeyboardFocus() {
        MainWindow w;
        auto* outline = new FocusOutline(w.formWidget());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* start = w.findChild<QPushButton*>("Button15");
        QSignalSpy started(start, &QPushButton::clicked);
        QTest::keyClick(w.windowHandle(), Qt::Key_T, Qt::AltModifier);  // "S&tart" on "Symulacja"
        QTRY_COMPARE(started.count(), 1);
        start->setFocus(Qt::TabFocusReason);
        QVERIFY(
            outline->geometry().contains(QRect(start->mapTo(w.formWidget(), QPoint(0, 0)), start->size())));
        w.findChild<QPushButton*>("BitBtn6")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(outline->target(), nullptr);
    }
};

QTEST_MAIN(ZoomKeyboardTest)
#include "zoom_keyboard_test.moc"
