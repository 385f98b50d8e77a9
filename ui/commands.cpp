#include "ui/commands.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "engine/run_control.h"
#include "simulation/run_options.h"
#include "ui/form.h"

namespace vemrik {

namespace {

using K = CommandKind;
using M = MenuId;

constexpr Text kNoSubmenu{"", ""};
constexpr Text kZoom{"&Powiększenie", "&Zoom"};
constexpr Text kLanguage{"&Język", "&Language"};
constexpr Text kSpeed{"S&zybkość", "&Speed"};

// In the window's order, left to right: "Symulacja" comes before "Widok".
constexpr std::array kMenus = {
    MenuSpec{M::File, "file", {"&Plik", "&File"}},
    MenuSpec{M::Edit, "edit", {"Edyc&ja", "Edit histor&y"}},
    MenuSpec{M::Simulation, "simulation", {"&Symulacja", "S&imulation"}},
    MenuSpec{M::View, "view", {"&Widok", "&View"}},
    MenuSpec{M::Challenges, "challenges", {"Wyzwa&nia", "S&kill challenges"}},
    MenuSpec{M::Help, "help", {"Po&moc", "&Help"}},
};

// Each language is named in its own tongue, the same whichever is spoken.
constexpr std::array kCommands = {
    Command{"file.new", M::File, kNoSubmenu, {"&Nowy", "&New"}, "Ctrl+N"},
    Command{"file.open", M::File, kNoSubmenu, {"&Otwórz…", "&Open…"}, "Ctrl+O"},
    Command{"file.examples", M::File, kNoSubmenu, {"Otwórz &przykład", "Open e&xample"}, "", K::Filled},
    Command{"file.recent", M::File, kNoSubmenu, {"Ostatnio o&twierane", "&Recent files"}, "", K::Filled},
    Command{"file.robotLog", M::File, kNoSubmenu, {"Otwórz przebieg &robota…", "Open robot &log…"}, ""},
    Command{"file.save", M::File, kNoSubmenu, {"&Zapisz", "&Save"}, "Ctrl+S"},
    Command{"file.saveAs", M::File, kNoSubmenu, {"Zapisz &jako…", "Save &as…"}, "Ctrl+Shift+S"},
    Command{"file.importTrack",
            M::File,
            kNoSubmenu,
            {"&Importuj trasę z obrazu…", "&Import track from picture…"},
            "",
            K::Action,
            true},
    Command{"file.undoImport", M::File, kNoSubmenu, {"Cofnij import&u", "Undo impor&t"}, ""},
    Command{"file.exportImage", M::File, kNoSubmenu, {"&Eksportuj obraz…", "&Export image…"}, ""},
    Command{"file.arduino", M::File, kNoSubmenu, {"Eksportuj na &Arduino…", "Export to Ard&uino…"}, ""},
    Command{"file.print", M::File, kNoSubmenu, {"&Drukuj trasę…", "&Print track…"}, "Ctrl+P"},
    Command{"file.quit", M::File, kNoSubmenu, {"Za&kończ", "&Quit"}, "Ctrl+Q", K::Action, true},
    Command{"edit.undo",
            M::Edit,
            kNoSubmenu,
            {"Cofnij &zmianę", "&Undo change"},
            "Ctrl+Z",
            K::Action,
            false,
            &TForm1::UndoChangeClick},
    Command{"edit.redo",
            M::Edit,
            kNoSubmenu,
            {"&Ponów", "&Redo"},
            "Ctrl+Shift+Z",
            K::Action,
            false,
            &TForm1::RedoClick,
            -1,
            "Ctrl+Y"},
    Command{"run.pause",
            M::Simulation,
            kNoSubmenu,
            {"P&auza", "&Pause"},
            "Space",
            K::Action,
            false,
            &TForm1::PauseClick,
            kSimulationPage},
    Command{"run.trail",
            M::Simulation,
            kNoSubmenu,
            {"&Pokaż ślad", "Show &trail"},
            "",
            K::Toggle,
            true,
            &TForm1::ToggleTrail},
    Command{"run.speed1", M::Simulation, kSpeed, {"×&1", "×&1"}, "", K::Choice, false, &TForm1::RunAtSpeed1},
    Command{"run.speed2", M::Simulation, kSpeed, {"×&2", "×&2"}, "", K::Choice, false, &TForm1::RunAtSpeed2},
    Command{"run.speed4", M::Simulation, kSpeed, {"×&4", "×&4"}, "", K::Choice, false, &TForm1::RunAtSpeed4},
    Command{
        "run.seed", M::Simulation, kNoSubmenu, {"Ziarno &losowania…", "Random s&eed…"}, "", K::Action, true},
    Command{"run.repeatable",
            M::Simulation,
            kNoSubmenu,
            {"Powtarzalne p&rzebiegi", "&Repeatable runs"},
            "",
            K::Toggle,
            false,
            &TForm1::ToggleRepeatableRuns},
    Command{
        "run.saveRun", M::Simulation, kNoSubmenu, {"Zapi&sz przebieg…", "Save r&un…"}, "", K::Action, true},
    Command{"run.endLost",
            M::Simulation,
            kNoSubmenu,
            {"&Kończ przebieg, gdy robot się zgubi", "E&nd the run when the robot is lost"},
            "",
            K::Toggle,
            false,
            &TForm1::ToggleEndLostRun},
    Command{"run.evaluate", M::Simulation, kNoSubmenu, {"&Oceń algorytm…", "E&valuate algorithm…"}, ""},
    Command{"run.grade", M::Simulation, kNoSubmenu, {"Oc&eń klasę…", "&Grade a class…"}, ""},
    Command{"run.race", M::Simulation, kNoSubmenu, {"&Wyścig…", "Ra&ce…"}, ""},
    Command{"run.inspector",
            M::Simulation,
            kNoSubmenu,
            {"&Inspektor reguł", "Rule &inspector"},
            "",
            K::Toggle,
            true},
    Command{
        "run.timeline", M::Simulation, kNoSubmenu, {"Przebieg w &czasie", "Run time&line"}, "", K::Toggle},
    Command{"view.zoom100", M::View, kZoom, {"×&1", "×&1"}, "", K::Choice},
    Command{"view.zoom150", M::View, kZoom, {"×1,&5", "×1.&5"}, "", K::Choice},
    Command{"view.zoom200", M::View, kZoom, {"×&2", "×&2"}, "", K::Choice},
    Command{"view.zoomFit", M::View, kZoom, {"&Dopasuj do ekranu", "&Fit to screen"}, "", K::Choice, true},
    Command{"view.polish", M::View, kLanguage, {"&Polski", "&Polski"}, "", K::Choice},
    Command{"view.english", M::View, kLanguage, {"&English", "&English"}, "", K::Choice},
    Command{"challenges.levels", M::Challenges, kNoSubmenu, {"&Poziomy", "&Levels"}, "", K::Filled},
    Command{"challenges.check", M::Challenges, kNoSubmenu, {"&Sprawdź wyzwanie", "&Check challenge"}, ""},
    Command{
        "challenges.saveProgress", M::Challenges, kNoSubmenu, {"&Zapisz postępy…", "&Save progress…"}, ""},
    Command{"challenges.openFolder",
            M::Challenges,
            kNoSubmenu,
            {"&Otwórz folder wyzwań…", "&Open challenges folder…"},
            "",
            K::Action,
            true},
    Command{"help.guide", M::Help, kNoSubmenu, {"&Przewodnik", "&Guide"}, "F1"},
    Command{"help.about", M::Help, kNoSubmenu, {"&O programie", "&About Vemrik"}, ""},
    // The buttons' own, in no menu.
    Command{"run.stepBack",
            M::None,
            kNoSubmenu,
            {"Krok wst&ecz", "Step &back"},
            "",
            K::Action,
            false,
            &TForm1::StepBackClick},
    Command{"run.ruleCheck", M::None, kNoSubmenu, {"Sp&rawdź reguły…", "Check &rules…"}, ""},
};

bool speedIs(const TForm1& form, RunSpeed speed) { return form.Timer2.interval == runInterval(speed); }

}  // namespace

std::span<const MenuSpec> menus() { return kMenus; }

std::span<const Command> commands() { return kCommands; }

const Command* findCommand(std::string_view id) {
    const auto it =
        std::find_if(kCommands.begin(), kCommands.end(), [&](const Command& c) { return c.id == id; });
    return it == kCommands.end() ? nullptr : &*it;
}

namespace {

std::optional<CommandState> decided(const TForm1& form, std::string_view id) {
    if (id == "edit.undo") return {{form.Edits.canUndo(form.engine), false}};
    if (id == "edit.redo") return {{form.Edits.canRedo(), false}};
    if (id == "run.stepBack") return {{form.History.shown() > 0, false}};
    if (id == "run.pause") return {{runState(form.State, form.engine.running()) == RunState::Running, false}};
    if (id == "run.trail") return {{true, form.TrailShown}};
    if (id == "file.undoImport")
        return {{form.LastImport && importUndoable(form.engine, *form.LastImport), false}};
    if (id == "run.repeatable") return {{true, form.engine.repeatableRuns()}};
    if (id == "run.endLost") return {{true, form.EndLostRun}};
    if (id == "run.speed1") return {{true, speedIs(form, RunSpeed::Normal)}};
    if (id == "run.speed2") return {{true, speedIs(form, RunSpeed::Double)}};
    if (id == "run.speed4") return {{true, speedIs(form, RunSpeed::Quadruple)}};
    return std::nullopt;
}

}  // namespace

CommandState commandState(const TForm1& form, const Command& command) {
    const std::optional<CommandState> held = decided(form, command.id);
    CommandState state = held.value_or(CommandState{});
    state.formHolds = held.has_value();
    state.keyWorks = command.shortcutPage < 0 || command.shortcutPage == form.NotebookPageIndex;
    return state;
}

CommandState commandState(const TForm1& form, std::string_view id) {
    const Command* c = findCommand(id);
    return c ? commandState(form, *c) : CommandState{};
}

std::string plainCaption(std::string_view text) {
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain;
}

}  // namespace vemrik
