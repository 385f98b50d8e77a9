#pragma once

#include <cstdint>
#include <optional>

#include "app/program_state.h"
#include "engine/engine.h"
#include "engine/run_history.h"
#include "simulation/run_options.h"
#include "simulation/track_cache.h"
#include "track_import/import_apply.h"
#include "ui/controls.h"
#include "ui/document.h"
#include "ui/edit_history.h"
#include "ui/form_state.h"
#include "ui/lost_run.h"
#include "ui/simulation_notice.h"

namespace vemrik {

/// The main form without the toolkit: its controls as plain values over the engine, and every
/// event handler under the name of its control and event. The rule list and the two track bars
/// show the engine's own rules and angles. Handlers that fail throw; the caller (the window)
/// reports the error and goes on.
class TForm1 {
public:
    /// Builds the controls as the layout sets them, then runs FormCreate.
    TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;
    ~TForm1() { engine.observe(nullptr); }

    Engine engine;
    /// The boards, strokes, pose and senses: the engine's, written through its edits.
    const ProgramState& State = engine.state();
    /// The window's own part: tool, mouse, refresh cycle, page in front.
    FormState Shell;
    /// The file the work was last saved to or opened from; none at start-up.
    Document document{{}, engine.workVersion()};
    /// The edits of the work since start-up or the file was opened, one step per event.
    EditHistory Edits{engine};

    // Page 0, "Robot"
    Image Image1{Raster(201, 201)};
    // Page 1, "Mapa"
    Image Image2{Raster(701, 401)};
    /// Image2's track layer between redraws, as Image5Track keeps Image5's.
    TrackCache Image2Track{TrackField::kDotted};
    // Page 2, "Algorytm"
    Image Image3{Raster(201, 201)};
    Image Image4{Raster(201, 201)};
    CheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7, CheckBox8;
    TrackBar TrackBar1;
    Label Label1{"0"};
    Label Label2{"0 0 0 0 0 0 0 0 0"};
    ListBox ListBox1{engine};
    // Page 3, "Symulacja"
    Image Image5{Raster(701, 401)};
    /// Image5's track layer between redraws; no state of the program, only saved work.
    TrackCache Image5Track;
    TrackBar TrackBar2;
    // On the form
    Memo Memo1;
    Timer Timer1{true, 25};
    /// The run timer; enabled mirrors engine.running().
    Timer Timer2{false, 200};
    int NotebookPageIndex = 3;

    // Seeing a run; off at start-up, and then it changes nothing of the above.
    bool TrailShown = false;
    /// The steps since "Start", to show again.
    RunHistory History;
    /// "Pauza" stopped the run timer and nothing has switched it on, sent the robot back or
    /// started again since.
    bool Paused = false;
    /// The window's "Start" found no start cell on the map and left the robot held.
    bool StartRefused = false;
    /// "Kończ przebieg, gdy robot się zgubi": the run timer stops once the robot is lost as the
    /// evaluation counts a run lost. Off at start-up.
    bool EndLostRun = false;
    LostRunCheck LostRun;
    /// When the notices over "Symulacja" were met; they only watch.
    NoticeWatch Notices;

    /// Check box n (1 .. 8).
    CheckBox& checkBox(int n);
    /// What every front end does after each event it handled, so the window and the page see the
    /// same form: a run's history ends with an edit at once, and the edit is a step to undo (a
    /// drag once the mouse is let go).
    void afterEvent();
    /// "Edycja" → "Cofnij zmianę" / "Ponów": the work as before the last step, or after the step
    /// undone last. A run goes on, as after any edit.
    void UndoChangeClick();
    void RedoClick();
    /// The controls that show the work (the two sliders, the rule list) brought to it after a
    /// part was put back, and a redraw asked for.
    void ShowWorkPutBack();

    // Shell
    void FormCreate();
    void TabbedNotebook1Change(int newPage);
    /// The track kept for an image's canvas, if one is.
    const TrackCache* trackCacheOf(const Raster& canvas) const;
    void Timer1Timer();
    void BitBtn1Click();
    /// Rule text of the current sensor states and TrackBar1 into Label2's caption.
    void ComposeRuleText();

    // Robot page
    void BitBtn2Click();
    void Image1Click();
    void Image1MouseDown(int x, int y);
    void Image1MouseMove(int x, int y);
    void Image1MouseUp(int x, int y);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button12Click();

    // Map page
    void BitBtn3Click();
    void Image2Click();
    void Image2MouseDown(int x, int y);
    void Image2MouseMove(int x, int y);
    void Image2MouseUp(int x, int y);
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    /// A track made from a picture put on the map; what taking it back needs, kept as LastImport.
    ImportUndo ImportTrack(const ImportedTrack& track, ImportPlacement placement);
    /// Puts back the track as it was before that import.
    void UndoImport(const ImportUndo& undo);
    /// "Cofnij importu": LastImport taken back, while nothing has touched the track since.
    void UndoLastImport();
    /// The last picture import, until it is taken back or another workspace is opened.
    std::optional<ImportUndo> LastImport;

    // Algorithm page
    void BitBtn4Click();
    /// Sensor `sensor` (0 .. 7) ticked or not, and the page redrawn.
    void checkSensor(int sensor, bool checked);
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void CheckBox6Click();
    void CheckBox7Click();
    void CheckBox8Click();
    void TrackBar1Change();
    void Button13Click();
    void Button14Click();
    /// Ticks the boxes as the pattern the rule text is composed from, so "Dodaj" adds the rule
    /// they show: after a sensing pass that pattern is the sensed one.
    void ShowPatternOnBoxes();
    /// Selects line `line` of ListBox1; an index outside the list changes nothing.
    void SelectRule(int line);

    // Simulation page
    void BitBtn5Click();
    void BitBtn6Click();
    void TrackBar2Change();
    void Button15Click();
    void Button16Click();
    void BitBtn7Click();
    void BitBtn8Click();
    void Timer2Timer();
    /// "Start" as the window's button gives it: on a map without a start cell the robot would be
    /// released wherever it stood, so it stays held and StartRefused says why.
    void StartFromStartCell();
    /// "Pauza": the run timer off, the robot, trail and history kept where they are; "Włącz" or
    /// "Krok" go on. Only a running robot pauses.
    void PauseClick();
    /// "Krok wstecz": the step before the one shown, the run timer off.
    void StepBackClick();
    /// The step slider: shows step `step` since "Start", the run timer off; ends the history
    /// first when the work has changed since "Start".
    void ShowStep(std::uint64_t step);
    /// Makes again, as "Wróć" and "Start" with `seed` as the seed in effect would, the run an
    /// evaluation made with that seed, up to step `stopAt`: trail on, run timer off, every step
    /// in the history. A noisy run's noise is drawn as the evaluation drew it.
    void ReplaySeededRun(std::uint32_t seed, std::uint64_t stopAt, const Noise& noise = {});

    // Run view options
    /// Shows or hides the trail from the next redraw on.
    void ShowTrail(bool on);
    /// Sets the run timer's interval and nothing else.
    void SetRunSpeed(RunSpeed speed);
    /// Switches EndLostRun.
    void ToggleEndLostRun();
    /// The menu's "Pokaż ślad", "Powtarzalne przebiegi" and "Szybkość".
    void ToggleTrail();
    void ToggleRepeatableRuns();
    void RunAtSpeed1();
    void RunAtSpeed2();
    void RunAtSpeed4();
};

}  // namespace vemrik
