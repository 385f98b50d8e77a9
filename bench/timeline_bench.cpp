// The run's time line: appending a step as the panel does at every step of a run, redrawing the
// chart of a 100,000-step run at a new view (each pixel column summed anew) at several zooms,
// panned a column (the rest kept), and painted again from the kept column sums.
#include <benchmark/benchmark.h>

#include <random>

#include "simulation/run_timeline.h"
#include "simulation/timeline_chart.h"

namespace vemrik::bench {

namespace {

constexpr std::size_t kRunSteps = 100000;
// The plot of the panel under the 940-pixel window.
constexpr int kPlotWidth = 844;

// A run as the typical scene gives one, but harder on the summary: 20 rule lines acting at one
// step in three, sensors and marks at random, the heading in 30° turns.
RunTimeline hundredThousandSteps() {
    std::mt19937 draws(1);
    RunTimeline t;
    float heading = 90.0f;
    for (std::size_t i = 0; i < kRunSteps; ++i) {
        TimelineStep s;
        const bool turns = draws() % 3 == 0;
        s.rule = turns ? static_cast<std::int16_t>(draws() % 20) : std::int16_t{-1};
        if (turns) heading += draws() % 2 ? 30.0f : -30.0f;
        s.heading = heading;
        s.sensors = static_cast<std::uint8_t>(draws());
        s.sensorCount = 8;
        s.facts = draws() % 50 == 0 ? kFactOffMap : draws() % 40 == 0 ? kFactNoRule : 0;
        t.append(s);
    }
    return t;
}

void TimelineAppend(benchmark::State& state) {
    RunTimeline t = hundredThousandSteps();
    TimelineStep s;
    s.sensorCount = 8;
    std::uint32_t i = 0;
    for (auto _ : state) {
        s.sensors = static_cast<std::uint8_t>(i);
        s.rule = static_cast<std::int16_t>(i % 3 == 0 ? i % 20 : -1);
        s.heading = static_cast<float>(i % 7);
        t.append(s);
        ++i;
    }
    benchmark::DoNotOptimize(t.size());
}

// Columns of `stepsPerColumn` steps from the middle of the run; 0 fits the whole run.
TimelineView middleView(double stepsPerColumn) {
    return stepsPerColumn == 0.0 ? fitView(kRunSteps, kPlotWidth)
                                 : TimelineView{kRunSteps / 2.0 + 0.37, stepsPerColumn};
}

// Paints `view` and `next` by turns.
void alternate(benchmark::State& state, const RunTimeline& t, const TimelineView& view,
               const TimelineView& next) {
    TimelineChart chart;
    chart.paint(t, view, kPlotWidth, kRunSteps / 2);
    bool odd = false;
    for (auto _ : state) {
        chart.paint(t, odd ? next : view, kPlotWidth, kRunSteps / 2);
        odd = !odd;
        benchmark::DoNotOptimize(chart.pixels());
    }
}

// Every redraw at a view of other steps in every column: a quarter of the run earlier, or for the
// whole run a hair zoomed in, so that no column's sums are kept from the view before.
void TimelineRedraw(benchmark::State& state, double stepsPerColumn) {
    const RunTimeline t = hundredThousandSteps();
    const TimelineView view = middleView(stepsPerColumn);
    const TimelineView next = stepsPerColumn == 0.0
                                  ? TimelineView{0.0, view.stepsPerColumn * 0.999}
                                  : TimelineView{view.first - kRunSteps / 4.0, stepsPerColumn};
    alternate(state, t, view, next);
}

// A drag: the view a column further along, the other columns' sums kept.
void TimelinePan(benchmark::State& state, double stepsPerColumn) {
    const RunTimeline t = hundredThousandSteps();
    const TimelineView view = middleView(stepsPerColumn);
    const TimelineView next{view.first + view.stepsPerColumn, view.stepsPerColumn};
    alternate(state, t, view, next);
}

// Painted again from the kept sums of the columns, as when the cursor moves.
void TimelineRepaint(benchmark::State& state, double stepsPerColumn) {
    const RunTimeline t = hundredThousandSteps();
    const TimelineView view = middleView(stepsPerColumn);
    TimelineChart chart;
    chart.paint(t, view, kPlotWidth, kRunSteps / 2);
    std::size_t cursor = 0;
    for (auto _ : state) {
        chart.paint(t, view, kPlotWidth, cursor);
        cursor = (cursor + 997) % kRunSteps;
        benchmark::DoNotOptimize(chart.pixels());
    }
}

}  // namespace

BENCHMARK(TimelineAppend);
BENCHMARK_CAPTURE(TimelineRedraw, whole_run, 0.0);
BENCHMARK_CAPTURE(TimelineRedraw, 37.3_steps_a_column, 37.3);
BENCHMARK_CAPTURE(TimelineRedraw, 4.5_steps_a_column, 4.5);
BENCHMARK_CAPTURE(TimelineRedraw, 1_step_a_column, 1.0);
BENCHMARK_CAPTURE(TimelineRedraw, 8_columns_a_step, 0.125);
BENCHMARK_CAPTURE(TimelinePan, 37.3_steps_a_column, 37.3);
BENCHMARK_CAPTURE(TimelinePan, 1_step_a_column, 1.0);
BENCHMARK_CAPTURE(TimelineRepaint, whole_run, 0.0);
BENCHMARK_CAPTURE(TimelineRepaint, 1_step_a_column, 1.0);

}  // namespace vemrik::bench
