// vemrik-eval in either language: choosing it, and every word it writes passing through it.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/eval_command.h"
#include "cli/language_option.h"
#include "platform/texts.h"

using namespace vemrik;

namespace {

const std::filesystem::path kExamples = VEMRIK_EXAMPLES_DIR;

std::string bracketed(std::string_view text) { return "[" + std::string(text) + "]"; }

// Runs vemrik-eval marking every text of its own, and returns what it wrote with the given data
// (paths, names) taken out.
std::string markedOutput(const std::vector<std::string>& args, const std::vector<std::string>& data) {
    speakCore(Language::Polish, &bracketed);
    std::ostringstream out, err;
    runEvalCommand(args, out, err);
    speakCore(Language::Polish);
    std::string text = out.str() + err.str();
    for (const std::string& d : data)
        for (std::size_t at; (at = text.find(d)) != std::string::npos;) text.erase(at, d.size());
    return text;
}

// The letters of `text` that no mark encloses (a mark may span lines): Polish ones start with
// 0xC3 … 0xC5, while dashes, ellipses and degrees are no letters.
std::string unmarked(const std::string& text) {
    std::string letters;
    int depth = 0;
    for (const char c : text) {
        depth += c == '[' ? 1 : c == ']' ? -1 : 0;
        const auto u = static_cast<unsigned char>(c);
        if (depth <= 0 && (std::isalpha(u) || (u >= 0xC3 && u <= 0xC5))) letters += c;
    }
    return letters;
}

}  // namespace

TEST(EvaluationLanguageTest, TheLastLangOptionChoosesAndIsTakenOut) {
    struct Case {
        std::vector<std::string> args;
        std::optional<Language> chosen;
        std::vector<std::string> rest;
    };
    const Case cases[] = {
        {{"a.vemrik"}, Language::Polish, {"a.vemrik"}},
        {{"grade", "t", "--lang", "en", "s"}, Language::English, {"grade", "t", "s"}},
        {{"--lang", "en", "x", "--lang", "pl"}, Language::Polish, {"x"}},
        {{"x", "--lang"}, std::nullopt, {"x", "--lang"}},
        {{"--lang", "de", "x"}, std::nullopt, {"--lang", "de", "x"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        EXPECT_EQ(takeLanguageOption(args, Language::Polish), c.chosen) << c.args.size();
        EXPECT_EQ(args, c.rest);
    }
}

TEST(EvaluationLanguageTest, EveryWordOfAnEvaluationAndAGradingIsTranslated) {
    const std::string oval = (kExamples / "oval.vemrik").string();
    const std::filesystem::path grading = kExamples / "grading";
    const std::string task = (grading / "laps.vemrik-task").string();
    // Units are symbols, the same in every language.
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{oval, "--runs", "3", "--flip", "0.1"}, {oval}},
        {{oval, "--runs", "2", "--turn", "5", "--levels", "0,1"}, {oval, " px"}},
        {{oval, "--runs", "zero"},
         {oval, "--runs", "--max-steps", "--seed", "--csv", "--flip", "--shift", "--turn", "--sweep",
          "--levels", "--lang", "vemrik-eval", "grade", "arduino"}},
        {{"grade", task, (grading / "students").string()},
         {task, "owal", "ósemka", "ania", "bartek", "celina"}},
    };
    for (const auto& [args, data] : cases) {
        const std::string text = markedOutput(args, data);
        EXPECT_EQ(unmarked(text), "") << text;
    }
}
