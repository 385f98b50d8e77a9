#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>

#include "engine/noise.h"
#include "evaluation/evaluation_job.h"

namespace vemrik::web {

/// The job, or a JS Error with the reason in Polish.
PreparedJob preparedJob(const std::string& workspaceText, const JobSettings& settings);

/// A number (the chance of a flipped reading) or {flip, shift, turn}; nothing is no noise.
Noise noiseOf(const emscripten::val& v);

/// The settings of JSON {seed, runs, maxSteps, noise: {flip, shift, turn}, sweep: bool}, held to
/// the ranges the window takes; a JS Error says what is out of them, or that a sweep has no noise.
JobSettings jobSettingsOf(const std::string& jobJson);

/// What the page shows of a job's result, as JSON: {summary (as vemrik-eval prints it after its
/// first line), cancelled, histogram: {first, width, counts}, failed: [{seed, steps, line}] (the
/// window's list), sweep: [{level, value, low, high}] (the chart's points)}.
std::string resultJson(const JobResult& result);

/// The words of "Oceń algorytm" around the report, as JSON {key: {pl, en}}.
std::string evaluationTexts();

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
