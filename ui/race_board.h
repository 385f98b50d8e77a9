#pragma once

#include <string>
#include <vector>

#include "race/race.h"
#include "race/race_image.h"
#include "simulation/run_options.h"

namespace vemrik {

class TForm1;
struct StudentResult;
struct Task;

/// "Wyścig" as both front ends show it: the race, its picture, its run timer (the simulation's:
/// 200 ms a step at ×1, the same speeds) and the order table's rows in the language spoken.
class RaceBoard {
public:
    Race race;
    /// The track's name as shown: the workspace's or the file's.
    std::string trackName;

    /// The track of a workspace under its name; why not, or "".
    std::string chooseTrack(const Workspace& track, const std::string& name);
    /// Starts the run timer; why it cannot, or "".
    std::string start();
    void pause() { running_ = false; }
    /// One step with the timer off.
    void stepOnce();
    /// Every robot back at its start, the timer off.
    void reset();
    /// The run timer's tick: a step while it runs; the timer stops when the race is over.
    void timerTick();
    bool running() const { return running_; }
    void setSpeed(RunSpeed speed) { speed_ = speed; }
    RunSpeed speed() const { return speed_; }
    int interval() const { return runInterval(speed_); }

    /// The picture now.
    const Raster& image() { return picture_.draw(race); }
    /// The order table: a row per entrant in the finish order, each its place (empty unless at the
    /// stop), name, steps and result, in the language spoken; the entrant's index beside each.
    std::vector<std::vector<std::string>> rows() const;
    std::vector<int> rowEntrants() const { return race.order(); }
    /// The heading's four words.
    static std::vector<std::string> header();
    /// The line over the table: the track, the seed, the step.
    std::string summary() const;

private:
    RaceImage picture_;
    bool running_ = false;
    RunSpeed speed_ = RunSpeed::Normal;
};

/// "Pokaż przebieg": entrant i's workspace on the race's track put into the form with the race's
/// seed and repeatable runs on, at its start on "Symulacja", so the form's run is the race's run.
void showRaceRun(TForm1& form, const Race& race, int i);

/// "Ścigaj najlepszych": the best graded students (up to six, at least two) of a ranked class
/// entered on the task's first track, each with the task's robot if it fixes one. Why not, or "".
std::string raceTheBest(const Task& task, const std::vector<StudentResult>& ranked, RaceBoard& board);

}  // namespace vemrik
