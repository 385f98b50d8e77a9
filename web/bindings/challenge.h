#pragma once

#include <emscripten/val.h>

#include <string>

namespace vemrik::web {

/// "Wyzwania" for the page: one session of the module, over the files the page holds. `files` is
/// an array of {path, text}: the task files of a series with the track files they name.
std::string challengeSeries(const emscripten::val& files);
/// The levels' captions with their stars, as JSON: ["01. Dojedź prosto do mety ★☆☆", …].
std::string challengeLevels();
/// Opens level `index` and gives the workspace text it starts from; throws why it cannot.
std::string challengeOpen(int index);
/// The open level: its index (-1 for none), its task file's name, its heading.
int challengeOpenIndex();
std::string challengeLevelFile();
std::string challengeHeading();
/// Keeps a verdict of the worker (challengeVerdict's JSON) for the work `workspaceText`.
void challengeRecord(const std::string& verdictJson, const std::string& workspaceText);
/// Why failed run `n` of the verdict on `judgedText` cannot be shown in a form holding `nowText`.
std::string challengeRunRefusal(const std::string& verdictJson, int n, const std::string& judgedText,
                                const std::string& nowText);
/// The open level's noise, {flip, shift, turn}, as the form's showEvaluatedRun takes it.
emscripten::val challengeNoise();
std::string challengeProgress();
/// Takes a progress text kept by the browser; why it was refused, or "".
std::string challengeTakeProgress(const std::string& text);
/// The worker's: judges `workspaceText` on the level `levelFile` of `files` (as challengeSeries
/// takes them); the verdict as JSON.
std::string challengeVerdict(const emscripten::val& files, const std::string& levelFile,
                             const std::string& workspaceText);
/// The words of the challenge dialog as JSON: {name: {pl, en}}.
std::string challengeTextsJson();

void bindChallenges();

}  // namespace vemrik::web
