#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>

namespace vemrik::web {

/// "Oceń algorytm" on one thread: the report as vemrik-eval prints it and every run, as JSON.
/// `noise` is a number (the chance of a flipped reading) or {flip, shift, turn}; `progress`, when a
/// function, hears (done, total) after each run and cancels the rest by returning true.
std::string evaluate(const std::string& workspaceText, double firstSeed, int runs, int maxSteps,
                     const emscripten::val& noise, const emscripten::val& progress);

/// The settings "Oceń algorytm" asks for, each as {low, high, start}, as JSON: the window's and
/// vemrik-eval's, so that the page starts where they do.
std::string evaluationSettings();

/// The CSV vemrik-eval --csv writes for the same workspace and options, byte for byte.
std::string evaluateCsv(const std::string& workspaceText, double firstSeed, int runs, int maxSteps);

}  // namespace vemrik::web
