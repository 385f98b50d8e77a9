#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "ui/form.h"

namespace vemrik::web {

/// The menus and the commands of ui/commands.h as the page builds its menu bar from them.
std::string menusJson();
std::string commandsJson();
/// The form's controls as ui/layout.h lays them out, with ids and captions in both languages.
std::string layoutJson();
/// The page titles and the controls' changing words and names (ui/control_texts.h), {pl, en} each.
std::string controlTextsJson();
/// Each command's state now, by id: {enabled, checked}.
nlohmann::json commandStates(const TForm1& form);

/// Runs the form's side of a command the form runs (see takesCommand); false for any other.
bool runCommand(TForm1& form, std::string_view id);
/// Whether runCommand runs it: the commands with a form handler, and the few the page's
/// bindings run on the form (the trail, the speed, repeatable runs).
bool takesCommand(std::string_view id);

}  // namespace vemrik::web
