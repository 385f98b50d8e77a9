// The two references every figure is read against, in the same run: the floor, one plain fill of
// the 701 x 401 image (no redraw of a page can write less), and a peer, the busy scene's map and
// robot painted with Qt's own QPainter on a QImage.
#include <benchmark/benchmark.h>

#include "bench/bench_scenes.h"
#include "bench/floor_table.h"
#include "raster/raster.h"

#if defined(VEMRIK_BENCH_QPAINTER)
#include <QImage>
#include <QPainter>
#include <QPen>

#include "engine/sensing.h"
#include "map/map_paint.h"
#include "robot/robot_cells.h"
#endif

namespace vemrik::bench {

namespace {

void Floor(benchmark::State& state) {
    Raster image(701, 401);
    for (auto _ : state) {
        image.fill(kWhite);
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
}

#if defined(VEMRIK_BENCH_QPAINTER)

QColor qtColour(Colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

/// The outline through five robot-frame points carried onto the map, as drawTurned draws it.
void polyline(QPainter& p, const PoseTransform& pose, const std::array<FramePoint, 5>& points) {
    std::array<QPoint, 5> q;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const Pixel px = pose.robotToMap(points[k]);
        q[k] = QPoint(px.x, px.y);
    }
    p.drawPolyline(q.data(), static_cast<int>(q.size()));
}

// The same operations without anti-aliasing: fill, 10,000 round-capped grey lines 10 pixels
// wide, 2,000 filled 10 x 10 squares, and the robot's outlines and marks with a 2-pixel pen.
void PeerQPainter(benchmark::State& state) {
    TForm1 form;
    prepareForm(form, Scene::kBusy);
    const ProgramState& s = form.State;
    const PoseTransform pose = currentPose(s);
    QImage image(701, 401, QImage::Format_RGB32);
    const QPen brush(qtColour(kGrey), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen outline(qtColour(kGrey), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    for (auto _ : state) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(image.rect(), qtColour(kWhite));
        p.setPen(brush);
        for (int e = 0; e < s.StrokeList.columns(); ++e)
            p.drawLine(s.StrokeList.at(e, 0), s.StrokeList.at(e, 1), s.StrokeList.at(e, 2),
                       s.StrokeList.at(e, 3));
        Colour c = kWhite;
        for (int cx = 0; cx < kMapColumns - 1; ++cx)
            for (int cy = 0; cy < kMapRows - 1; ++cy)
                if (cellColour(s.MapGrid.at(cx, cy), c)) p.fillRect(10 * cx, 10 * cy, 10, 10, qtColour(c));
        for (int y = 0; y < kRobotCells - 1; ++y)
            for (int x = 0; x < kRobotCells - 1; ++x) {
                const std::int32_t code = s.RobotGrid.at(x, y);
                Sensor sensor{};
                const bool isSensor = sensorAt(s.RobotGrid, x, y, sensor);
                if (code != kBody && code != kWheel && !isSensor) continue;
                outline.setColor(qtColour(code == kWheel ? kBlack : kGrey));
                p.setPen(outline);
                polyline(p, pose, cellOutline(x, y));
                if (!isSensor) continue;
                if (sensor.isDouble) polyline(p, pose, cellOutline(x + 1, y));
                outline.setColor(qtColour(kRed));
                p.setPen(outline);
                polyline(p, pose, samplePoints(sensor));
            }
        p.end();
        benchmark::DoNotOptimize(image.constBits());
        benchmark::ClobberMemory();
    }
}

#endif

}  // namespace

BENCHMARK(Floor)->Name(kFloorName);
#if defined(VEMRIK_BENCH_QPAINTER)
BENCHMARK(PeerQPainter)->Name(kPeerName);
#endif

}  // namespace vemrik::bench
