#pragma once

#include <string>

#include "ui/form.h"

namespace vemrik::web {

/// What every control shows now, as the JSON the page reads.
std::string controlsJson(const TForm1& form);
/// The status bar's parts that say something, joined by " | ".
std::string statusText(const TForm1& form);
/// "Sprawdź reguły": the summary line, then one line per finding.
std::string ruleCheckText(const TForm1& form);
}  // namespace vemrik::web
