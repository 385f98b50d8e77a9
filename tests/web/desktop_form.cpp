// The desktop's side of the browser tests: the toolkit-free form driven by a script of events on
// standard input, writing what the window would show. One command a line:
//   open PATH | page N | press ID | mouse ID down|move|up X Y | ticks K
//   check ID 0|1 | track ID POSITION | select LINE | key ID left|right|up|down|space|spaceup (a board's
//   cell cursor, as the window's board takes the keys)
//   image ID PATH (RGBA bytes, alpha 255) | save PATH (the workspace file)
//   setting run.trail|run.speed1|run.speed2|run.speed4|run.repeatable (as the window's menu)
//   seed N | steps K (a refresh tick, then a run step, as the page's tick() and runTick())
//   replay SEED STEP FLIP SHIFT TURN (an evaluation's run made again, as "Pokaż przebieg")
//   csv PATH plain|sheet (the run) | picture PAGE PATH (the exported picture, as image)
//   sheet N SCALE PATH (the N-th printed sheet on A4 at 20 mm a cell, as image)
//   robotlog LOG PATH (the robot log's report: headline, summary, the rows' cells by tabs, the rest)
// IDs are the layout's, reaching the handlers the page reaches.
//   busy PATH (the busy scene's workspace file, for measuring the page)
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/run_csv.h"
#include "evaluation/robot_log_report.h"
#include "scenes/scenes.h"
#include "simulation/print_sheet.h"
#include "ui/cell_cursor.h"
#include "ui/control_events.h"
#include "ui/form.h"
#include "ui/page_picture.h"
#include "ui/refresh_cycle.h"
#include "ui/timeline_log.h"
#include "ui/timeline_view.h"
#include "ui/workspace_form.h"
#include "workspace/workspace_json.h"

namespace {

using vemrik::TForm1;

// The raster keeps 0x00BBGGRR pixels, little-endian bytes R, G, B, 0; a canvas shows RGBA, opaque.
void writeRaster(const vemrik::Raster& raster, const std::string& path) {
    std::vector<std::uint32_t> pixels(raster.data(), raster.data() + raster.width() * raster.height());
    for (std::uint32_t& p : pixels) p |= 0xFF000000u;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(4 * pixels.size()));
}

void writeImage(TForm1& form, const std::string& id, const std::string& path) {
    writeRaster(vemrik::imageOf(form, id)->canvas, path);
}

void setting(TForm1& form, const std::string& id) {
    if (id == "run.trail") form.ShowTrail(!form.TrailShown);
    if (id == "run.repeatable") form.engine.setRepeatableRuns(!form.engine.repeatableRuns());
    if (id.starts_with("run.speed")) form.SetRunSpeed(static_cast<vemrik::RunSpeed>(id.back() - '0'));
}

// As the page's form.tick() and form.runTick(), each followed by what follows an event.
void step(TForm1& form) {
    if (form.Timer1.enabled) {
        const bool due = vemrik::refreshDue(form.Shell);
        form.Timer1Timer();
        if (due) form.afterEvent();
    }
    if (form.Timer2.enabled) {
        form.Timer2Timer();
        form.afterEvent();
    }
}

// A key on board `id`'s cursor, reaching the pointer's handler it stands for at the cursor's pixel.
void key(TForm1& form, const std::string& id, const std::string& name) {
    static std::map<std::string, vemrik::CellCursor> cursors;
    const vemrik::Raster& raster = vemrik::imageOf(form, id)->canvas;
    auto& cursor =
        cursors.try_emplace(id, raster.width(), raster.height(), vemrik::kBoardCellPixels).first->second;
    static const std::map<std::string, vemrik::CursorKey> kKeys = {
        {"left", vemrik::CursorKey::Left},       {"right", vemrik::CursorKey::Right},
        {"up", vemrik::CursorKey::Up},           {"down", vemrik::CursorKey::Down},
        {"space", vemrik::CursorKey::SpaceDown}, {"spaceup", vemrik::CursorKey::SpaceUp}};
    const vemrik::PointerAct act = cursor.key(kKeys.at(name));
    const vemrik::BoardHandlers& board = *vemrik::boardHandlersOf(id);
    const auto handler = act == vemrik::PointerAct::Press  ? board.press
                         : act == vemrik::PointerAct::Move ? board.move
                                                           : board.release;
    if (act != vemrik::PointerAct::None) (form.*handler)(cursor.pixel().x, cursor.pixel().y);
}

void writeChart(const vemrik::TimelineChart& chart, const std::string& path) {
    std::string rgba;
    for (int i = 0; i < chart.width() * chart.height(); ++i)
        for (const int shift : {16, 8, 0, 24}) rgba += static_cast<char>(chart.pixels()[i] >> shift);
    std::ofstream(path, std::ios::binary) << rgba;
}

// The run's chart `width` columns wide, zoomed by `zoom` about `column`, as RGBA; and the step a
// click on that column shows.
void writeTimeline(const TForm1& form, int width, double zoom, int column, const std::string& path,
                   const std::string& stepPath) {
    vemrik::RunTimeline timeline;
    vemrik::TimelineViewer viewer(timeline);
    vemrik::FormFeed feed;
    viewer.markStep(vemrik::followForm(timeline, feed, form));
    viewer.setWidth(width);
    viewer.timelineChanged();
    viewer.zoom(zoom, column);
    viewer.paint();
    writeChart(viewer.chart(), path);
    std::ofstream(stepPath) << viewer.stepAt(column).value_or(0);
}

// A robot's log on a chart `width` columns wide, whole, as RGBA; and the sentence above it.
void writeLogTimeline(const std::string& log, int width, const std::string& path,
                      const std::string& sourcePath) {
    vemrik::RunTimeline timeline;
    vemrik::TimelineViewer viewer(timeline);
    vemrik::TimelineLog shown;
    shown.show(timeline, *vemrik::readRunLogFile(log).log, std::filesystem::path(log).filename().string());
    viewer.setWidth(width);
    viewer.timelineChanged();
    viewer.fitAll();
    viewer.paint();
    writeChart(viewer.chart(), path);
    std::ofstream(sourcePath, std::ios::binary) << shown.source(timeline);
}

// A sheet as "Drukuj trasę…" prints it by default.
void writeSheet(const TForm1& form, int index, int scale, const std::string& path) {
    const vemrik::Raster& shown = form.Image2.canvas;
    const vemrik::TrackPrint print = vemrik::trackPrint(form.State, shown.width(), shown.height(),
                                                        vemrik::PrintLook::kBlackLine, 20, 210, 297);
    writeRaster(vemrik::sheetPixels(print.track, print.layout, print.tiles.at(index), scale), path);
}

void writeRobotLog(const TForm1& form, const std::string& log, const std::string& path) {
    const vemrik::RobotLogReport r =
        vemrik::robotLogReport(*vemrik::readRunLogFile(log).log, vemrik::captureWorkspace(form),
                               form.engine.seed(), std::filesystem::path(log).filename().string());
    std::ofstream out(path, std::ios::binary);
    const auto rows = [&](const std::vector<vemrik::ReportRow>& table) {
        for (const vemrik::ReportRow& row : table) {
            for (std::size_t c = 0; c < row.size(); ++c) out << (c ? "\t" : "") << row[c].text;
            out << "\n";
        }
    };
    out << r.headline << "\n" << r.summary << "\n";
    rows(r.lines);
    out << r.uncovered << "\n";
    rows(r.patterns);
}

void run(TForm1& form, const std::string& line) {
    std::istringstream in(line);
    std::string command, word, id;
    in >> command;
    int n = 0, x = 0, y = 0;
    if (command == "open") {
        in >> word;
        std::ifstream file(word, std::ios::binary);
        applyWorkspace(
            form, *vemrik::parseWorkspace(std::string(std::istreambuf_iterator<char>(file), {})).workspace);
    } else if (command == "page") {
        in >> n;
        form.TabbedNotebook1Change(n);
    } else if (command == "press") {
        in >> id;
        (form.*vemrik::pressHandler(id))();
    } else if (command == "mouse") {
        in >> id >> word >> x >> y;
        const vemrik::BoardHandlers& board = *vemrik::boardHandlersOf(id);
        (form.*(word == "down" ? board.press : word == "move" ? board.move : board.release))(x, y);
    } else if (command == "key") {
        in >> id >> word;
        key(form, id, word);
    } else if (command == "check") {
        in >> id >> x;
        const int sensor = vemrik::sensorOf(id);
        form.checkBox(sensor + 1).checked = x != 0;
        form.checkSensor(sensor, x != 0);
    } else if (command == "track") {
        in >> id >> x;
        vemrik::trackBarOf(form, id)->position = x;
        (form.*vemrik::trackBarChange(id))();
    } else if (command == "select") {
        in >> n;
        form.SelectRule(n);
    } else if (command == "ticks") {
        in >> n;
        for (int i = 0; i < n; ++i) form.Timer1Timer();
    } else if (command == "image") {
        in >> id >> word;
        writeImage(form, id, word);
    } else if (command == "runticks") {
        in >> n;
        for (int i = 0; i < n; ++i) form.Timer2Timer();
    } else if (command == "timeline") {
        double zoom = 1.0;
        std::string stepPath;
        in >> n >> zoom >> x >> word >> stepPath;
        writeTimeline(form, n, zoom, x, word, stepPath);
    } else if (command == "logtimeline") {
        std::string log, sourcePath;
        in >> log >> n >> word >> sourcePath;
        writeLogTimeline(log, n, word, sourcePath);
    } else if (command == "busy") {
        in >> word;
        std::ofstream(word, std::ios::binary) << vemrik::toJson(vemrik::busyScene());
    } else if (command == "save") {
        in >> word;
        std::ofstream(word, std::ios::binary) << vemrik::toJson(vemrik::captureWorkspace(form));
    } else if (command == "setting") {
        in >> id;
        setting(form, id);
    } else if (command == "seed") {
        in >> word;
        form.engine.setSeed(static_cast<std::uint32_t>(std::stoul(word)));
    } else if (command == "steps") {
        in >> n;
        for (int i = 0; i < n; ++i) step(form);
    } else if (command == "csv") {
        in >> word >> id;
        std::ofstream(word, std::ios::binary) << vemrik::runCsv(
            form.engine.record(), id == "sheet" ? vemrik::CsvForm::Sheet : vemrik::CsvForm::Plain);
    } else if (command == "replay") {
        std::uint64_t stopAt = 0;
        vemrik::Noise noise;
        in >> word >> stopAt >> noise.flip >> noise.shift >> noise.turn;
        form.ReplaySeededRun(static_cast<std::uint32_t>(std::stoul(word)), stopAt, noise);
    } else if (command == "sheet") {
        in >> n >> x >> word;
        writeSheet(form, n, x, word);
    } else if (command == "robotlog") {
        in >> id >> word;
        writeRobotLog(form, id, word);
    } else if (command == "picture") {
        in >> n >> word;
        writeRaster(vemrik::pagePicture(form, n), word);
    }
}

}  // namespace

int main() {
    TForm1 form;
    for (std::string line; std::getline(std::cin, line);) run(form, line);
    return 0;
}
