#include "web/bindings/race.h"

#include <emscripten/bind.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <vector>

#include "app/program_state.h"
#include "evaluation/grade/grading.h"
#include "evaluation/grade/task.h"
#include "ui/race_board.h"
#include "ui/race_texts.h"
#include "ui/workspace_form.h"
#include "web/bindings/picture.h"
#include "web/bindings/web_form.h"
#include "workspace/workspace_json.h"

namespace vemrik::web {

namespace {

constexpr RunSpeed kSpeeds[] = {RunSpeed::Normal, RunSpeed::Double, RunSpeed::Quadruple};

/// The race board as the page drives it; every refusal a text, "" when done.
class WebRace {
public:
    std::string useTrack(WebForm& form) {
        return board_.chooseTrack(captureWorkspace(form.form()), form.form().document.name());
    }
    std::string trackFile(const std::string& text, const std::string& name) {
        const ParsedWorkspace read = parseWorkspace(text);
        return read.workspace ? board_.chooseTrack(*read.workspace, name) : name + ": " + read.error;
    }
    /// `files`: [{name, text}].
    std::string add(const emscripten::val& files) {
        std::vector<EntrantFile> entrants;
        for (const emscripten::val& f : emscripten::vecFromJSArray<emscripten::val>(files))
            entrants.push_back({f["name"].as<std::string>(), f["text"].as<std::string>()});
        return board_.race.add(entrants);
    }
    /// "Ścigaj najlepszych": `students` ([{name, text}]) the graded class's best first, `files` the
    /// task's track and robot files chosen with it, as the grading read them.
    std::string raceTask(const std::string& taskText, const emscripten::val& files,
                         const emscripten::val& students) {
        namespace fs = std::filesystem;
        const fs::path root = fs::temp_directory_path() / "vemrik-race", folder = root / "task";
        fs::remove_all(root);
        fs::create_directories(folder);
        const auto placed = [&](const std::string& leaf, const std::string& text) {
            const fs::path where = (folder / leaf).lexically_normal();
            fs::create_directories(where.parent_path());
            std::ofstream(where, std::ios::binary) << text;
            return where.string();
        };
        // Where the task names them, as the grading finds them.
        for (const emscripten::val& f : emscripten::vecFromJSArray<emscripten::val>(files))
            for (const std::string& named : namedPaths(taskText))
                if (fs::path(named).filename() == f["name"].as<std::string>())
                    placed(named, f["text"].as<std::string>());
        const ParsedTask read = parseTask(taskText, folder.string());
        std::vector<StudentResult> ranked;
        for (const emscripten::val& s : emscripten::vecFromJSArray<emscripten::val>(students)) {
            const std::string leaf = "student-" + std::to_string(ranked.size()) + ".vemrik";
            ranked.push_back({s["name"].as<std::string>(),
                              placed(leaf, s["text"].as<std::string>()),
                              {},
                              0,
                              0.0,
                              {},
                              std::nullopt});
        }
        std::string why = read.task ? raceTheBest(*read.task, ranked, board_) : read.error;
        fs::remove_all(root);
        return why;
    }
    void remove(int i) { board_.race.remove(i); }
    std::string start() { return board_.start(); }
    void pause() { board_.pause(); }
    void step() { board_.stepOnce(); }
    void reset() { board_.reset(); }
    void tick() { board_.timerTick(); }
    void setSpeed(int i) { board_.setSpeed(kSpeeds[i < 0 || i > 2 ? 0 : i]); }
    int interval() const { return board_.interval(); }
    bool running() const { return board_.running(); }
    std::string csv() const { return board_.race.csv(); }

    /// {summary, header, rows, entrants, ready, finished, size}, in the language spoken.
    std::string view() const {
        return nlohmann::json{{"summary", board_.summary()},
                              {"header", RaceBoard::header()},
                              {"rows", board_.rows()},
                              {"entrants", board_.rowEntrants()},
                              {"ready", board_.race.refusal().empty()},
                              {"finished", board_.race.finished()},
                              {"size", board_.race.size()}}
            .dump();
    }
    emscripten::val imageRGBA() {
        const Raster& image = board_.image();
        rgba_.resize(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()) * 4);
        toRGBA(image, rgba_.data());
        return emscripten::val(emscripten::typed_memory_view(rgba_.size(), rgba_.data()));
    }
    int width() { return board_.image().width(); }
    int height() { return board_.image().height(); }

    /// "Pokaż przebieg" for the entrant shown in row `row`.
    void showRun(WebForm& form, int row) {
        const std::vector<int> entrants = board_.rowEntrants();
        if (row < 0 || row >= static_cast<int>(entrants.size())) return;
        showRaceRun(form.form(), board_.race, entrants[static_cast<std::size_t>(row)]);
        form.page(kSimulationPage);
    }

private:
    RaceBoard board_;
    std::vector<std::uint8_t> rgba_;
};

/// The race window's words, by the names the page gives its elements.
std::string raceTexts() {
    using T = RaceTexts;
    return nlohmann::json{{"title", say(T::title)},
                          {"currentTrack", say(T::currentTrack)},
                          {"trackFile", say(T::trackFile)},
                          {"addRobots", say(T::addRobots)},
                          {"dropHint", say(T::dropHint)},
                          {"remove", say(T::remove)},
                          {"start", say(T::start)},
                          {"pause", say(T::pause)},
                          {"step", say(T::step)},
                          {"reset", say(T::reset)},
                          {"showRun", say(T::showRun)},
                          {"projector", say(T::projector)},
                          {"leaveProjector", say(T::leaveProjector)},
                          {"saveResults", say(T::saveResults)},
                          {"raceBest", say(T::raceBest)},
                          {"speed", say(T::speed)},
                          {"replaceWork", say(T::replaceWork)},
                          {"csvName", say(T::csvName)}}
        .dump();
}

}  // namespace

void bindRace() {
    using namespace emscripten;
    function("raceTexts", &raceTexts);
    class_<WebRace>("WebRace")
        .constructor<>()
        .function("useTrack", &WebRace::useTrack)
        .function("trackFile", &WebRace::trackFile)
        .function("add", &WebRace::add)
        .function("raceTask", &WebRace::raceTask)
        .function("remove", &WebRace::remove)
        .function("start", &WebRace::start)
        .function("pause", &WebRace::pause)
        .function("step", &WebRace::step)
        .function("reset", &WebRace::reset)
        .function("tick", &WebRace::tick)
        .function("setSpeed", &WebRace::setSpeed)
        .function("interval", &WebRace::interval)
        .function("running", &WebRace::running)
        .function("csv", &WebRace::csv)
        .function("view", &WebRace::view)
        .function("imageRGBA", &WebRace::imageRGBA)
        .function("width", &WebRace::width)
        .function("height", &WebRace::height)
        .function("showRun", &WebRace::showRun);
}

}  // namespace vemrik::web
