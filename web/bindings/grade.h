#pragma once

#include <emscripten/val.h>

#include <string>

namespace vemrik::web {

/// `vemrik-eval grade` for files the page holds: `task` is {path, bytes}, `tracks` and `students`
/// arrays of {path, bytes} (bytes a Uint8Array). The task's track and robot files are found among
/// `tracks` by file name; students by their paths, as given on vemrik-eval's command line from the
/// task's folder. `graded`, when a function, hears (done, total) after each student. Returns
/// {table, html, csv, sheet, ranking}: the table as text, the three files as Uint8Arrays of their
/// bytes, the ranking as JSON; throws for a task that cannot be read.
emscripten::val gradeClass(const emscripten::val& task, const emscripten::val& tracks,
                           const emscripten::val& students, const emscripten::val& graded);

/// The words of the grading dialog, the window's too, as JSON: {name: {pl, en}}.
std::string gradingTextsJson();

}  // namespace vemrik::web
