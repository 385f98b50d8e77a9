#pragma once

#include <string_view>

#include "ui/form.h"
#include "ui/form_handlers.h"

namespace vemrik {

/// The form's controls and handlers reached by a control's layout id (ui/layout.h), so that every
/// front end and test reaches the same handler for the same id. Each gives nullptr (or -1) for an
/// id that is not a control of that kind.

/// The command of the menus a button is ("run.stepBack" for "Krok wstecz"), or "" for the form's
/// own buttons.
std::string_view buttonCommand(std::string_view id);
/// What pressing the button does on the form: its click handler, or its command's; nullptr for a
/// button whose command the front end runs ("Sprawdź reguły…").
FormHandler pressHandler(std::string_view id);
/// The pointer's handlers of a board; nullptr also for the boards that only show.
const BoardHandlers* boardHandlersOf(std::string_view id);
Image* imageOf(TForm1& form, std::string_view id);
/// The sensor 0 .. 7 a check box on "Algorytm" stands for.
int sensorOf(std::string_view id);
const CheckBox* checkBoxOf(const TForm1& form, std::string_view id);
TrackBar* trackBarOf(TForm1& form, std::string_view id);
const TrackBar* trackBarOf(const TForm1& form, std::string_view id);
/// The slider's change handler, run after its position was set.
FormHandler trackBarChange(std::string_view id);
const Label* labelOf(const TForm1& form, std::string_view id);
/// Whether the button chooses a board's tool, and so is shown down while that tool is chosen.
bool choosesTool(std::string_view id);
/// Whether the button is shown down: it chooses the tool the form has chosen on the page in front.
bool buttonDown(const TForm1& form, std::string_view id);

}  // namespace vemrik
