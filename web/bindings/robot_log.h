#pragma once

#include <string>

#include "web/bindings/web_form.h"

namespace vemrik::web {

/// "Otwórz przebieg robota…": the log's text beside the form's work and seed as JSON, {headline,
/// summary, lines: [[{text, number}]], uncovered, patterns, headings: {title, line, ...}}, in the
/// language the core speaks. A log that cannot be read throws the reader's message.
std::string robotLogReportJson(WebForm& form, const std::string& text, const std::string& fileName);

}  // namespace vemrik::web
