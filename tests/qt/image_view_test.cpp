// What an image view puts on the screen is exactly its raster, after any run of edits: a view
// that skipped a repaint (a box of change too small) leaves stale pixels behind.
#include "ui/qt/image_view.h"

#include "tests/qt/qt_test.h"

using namespace vemrik;
using namespace vemrik::qttest;

namespace {

/// The view as the window system holds it, not painted anew as QWidget::grab() would.
QImage onScreen(QWidget* view) {
    QCoreApplication::sendPostedEvents();
    const QPoint at = view->mapTo(view->window(), QPoint(0, 0));
    return view->screen()
        ->grabWindow(view->window()->winId(), at.x(), at.y(), view->width(), view->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

/// The first pixel where the screen and the raster differ, as "x,y", or "" when none does.
QString firstDifference(QWidget* view, const Raster& raster) {
    const QImage shown = onScreen(view);
    if (shown.width() != raster.width() || shown.height() != raster.height()) return "size";
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x) {
            const Colour c = raster.pixel(x, y);
            const QRgb want = qRgb(int(c & 0xFF), int(c >> 8 & 0xFF), int(c >> 16 & 0xFF));
            if (shown.pixel(x, y) != want) return QString("%1,%2").arg(x).arg(y);
        }
    return "";
}

void drag(QWidget* on, QPoint from, QPoint to) {
    sendMouse(on, QEvent::MouseButtonPress, from);
    sendMouse(on, QEvent::MouseMove, to);
    sendMouse(on, QEvent::MouseButtonRelease, to);
}

}  // namespace

class ImageViewTest : public QObject {
    Q_OBJECT

private slots:
    // The view alone, told where each edit fell: a change on any edge of that box is shown.
    void aChangeInsideTheToldBoxIsShown() {
        Raster raster(40, 30);
        ImageView view(raster, nullptr);
        Area told{0, 0, 40, 30};
        view.changedOnlyIn = [&](std::uint64_t, Area& area) {
            area = told;
            return true;
        };
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(firstDifference(&view, raster), QString());
        const struct {
            int x, y;
            Area box;
        } edits[] = {
            {0, 0, {0, 0, 1, 1}},
            {39, 29, {39, 29, 40, 30}},
            {39, 0, {30, -5, 45, 1}},
            {5, 7, {0, 7, 40, 8}},
        };
        for (const auto& e : edits) {
            raster.setPixel(e.x, e.y, kRed);
            told = e.box;
            view.refresh();
            QCOMPARE(firstDifference(&view, raster), QString());
        }
    }

    // The window's map and simulation pages through a run of edits, each shown at the next tick:
    // cells at the corners, one cell cleared, strokes along the edges and taken back.
    void thePagesShowTheirRasterAfterEveryEdit() {
        MainWindow w;
        w.show();
        w.resize(1000, 700);  // larger than the offscreen screen, so no scroll bar covers the map
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.refreshTimer().driveByHand();
        QWidget* map = w.findChild<QWidget*>("Image2");
        const Raster& mapRaster = w.form().Image2.canvas;
        const struct {
            const char* button;  // clicked first, when given
            char hand;           // a 'd'rag from `from` to `to`, a 'm'ove to `to`, or neither
            QPoint from, to;
        } edits[] = {
            {"Button5", 'd', {2, 2}, {2, 2}},        // "Linia" in a corner
            {nullptr, 'd', {350, 2}, {355, 2}},      // on the top edge
            {"Button6", 'd', {2, 2}, {2, 2}},        // "Czysc" one cell
            {"Button8", 'd', {5, 395}, {5, 395}},    // "Start" at the bottom
            {nullptr, 'm', {}, {355, 5}},            // its box over a line cell
            {nullptr, 'm', {}, {698, 398}},          // and off it to the opposite corner
            {"Button7", 'd', {699, 5}, {699, 395}},  // "Pendzel" on the edge
            {nullptr, 'd', {0, 200}, {300, 200}},    // across the middle
            {"Button10", 0, {}, {}},                 // "Cofnij"
            {"Button11", 0, {}, {}},                 // "Usun"
        };
        const auto make = [&](const auto& e) {
            if (e.button) w.findChild<QPushButton*>(e.button)->click();
            if (e.hand == 'd') drag(map, e.from, e.to);
            if (e.hand == 'm') sendMouse(map, QEvent::MouseMove, e.to);
        };
        w.notebook()->setCurrentIndex(1);
        w.refreshTimer().advance(kTick);
        QCOMPARE(firstDifference(map, mapRaster), QString());
        for (const auto& edit : edits) {
            make(edit);
            QCOMPARE(firstDifference(map, mapRaster), QString());
            w.refreshTimer().advance(kTick);  // puts back the track under the pointer's box
            QCOMPARE(firstDifference(map, mapRaster), QString());
        }
        make(edits[0]);
        w.notebook()->setCurrentIndex(3);
        w.refreshTimer().advance(kTick);
        QCOMPARE(firstDifference(w.findChild<QWidget*>("Image5"), w.form().Image5.canvas), QString());
    }
};

QTEST_MAIN(ImageViewTest)
#include "image_view_test.moc"
