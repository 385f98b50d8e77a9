#include "ui/core_texts.h"

#include <array>

#include "ui/commands.h"
#include "ui/control_texts.h"
#include "ui/evaluation_texts.h"
#include "ui/file_texts.h"
#include "ui/help_texts.h"
#include "ui/layout.h"
#include "ui/print_choice.h"
#include "ui/timeline_texts.h"

namespace vemrik {

namespace {

constexpr std::array kControlTexts = {
    &ControlTexts::stepOf,          &ControlTexts::noStep,       &ControlTexts::startHeading,
    &ControlTexts::startHeadingTip, &ControlTexts::frontTip,     &ControlTexts::sensorName,
    &ControlTexts::ruleAngleName,   &ControlTexts::headingName,  &ControlTexts::rulesName,
    &ControlTexts::stepSliderName,  &ControlTexts::startCellTip, &ControlTexts::headingValue,
};
constexpr std::array kHelpTexts = {&HelpTexts::aboutTitle, &HelpTexts::about, &HelpTexts::guideTitle,
                                   &HelpTexts::noGuide};

constexpr std::array kFileTexts = {
    &FileTexts::seedTitle, &FileTexts::seedPrompt, &FileTexts::notASeed,
    &FileTexts::runFile,   &FileTexts::csvKinds,   &FileTexts::clearRecent,
};
constexpr std::array kEvaluationTexts = {
    &EvaluationTexts::runs,       &EvaluationTexts::maxSteps,       &EvaluationTexts::firstSeed,
    &EvaluationTexts::seedNote,   &EvaluationTexts::noise,          &EvaluationTexts::flip,
    &EvaluationTexts::shift,      &EvaluationTexts::turn,           &EvaluationTexts::noiseNote,
    &EvaluationTexts::sweep,      &EvaluationTexts::evaluating,     &EvaluationTexts::sweeping,
    &EvaluationTexts::failedRuns, &EvaluationTexts::failedRunsName, &EvaluationTexts::showRun,
    &EvaluationTexts::chartTitle, &EvaluationTexts::chartName,      &EvaluationTexts::chartLevel,
    &EvaluationTexts::chartShare,
};

// The window's panel words them through its catalogue; the page through the module.
constexpr std::array kTimelineTexts = {
    &TimelineTexts::title, &TimelineTexts::fit,      &TimelineTexts::fitTip,     &TimelineTexts::save,
    &TimelineTexts::turns, &TimelineTexts::turnsTip, &TimelineTexts::chartName,  &TimelineTexts::showLog,
    &TimelineTexts::back,  &TimelineTexts::backTip,  &TimelineTexts::showLogTip,
};

constexpr std::array kPrintTexts = {
    &PrintTexts::title,    &PrintTexts::scale,     &PrintTexts::mm,         &PrintTexts::paper,
    &PrintTexts::look,     &PrintTexts::blackLine, &PrintTexts::asOnScreen, &PrintTexts::preview,
    &PrintTexts::wholeMap, &PrintTexts::landscape, &PrintTexts::portrait,
};

bool is(const Text& text, std::string_view pl) { return !pl.empty() && text.pl == pl; }

}  // namespace

const Text* coreText(std::string_view pl) {
    for (const MenuSpec& m : menus())
        if (is(m.caption, pl)) return &m.caption;
    for (const Command& c : commands()) {
        if (is(c.caption, pl)) return &c.caption;
        if (is(c.submenu, pl)) return &c.submenu;
    }
    for (const ControlSpec& c : formLayout())
        if (is(c.caption, pl)) return &c.caption;
    for (const Text& title : kPageTitles)
        if (is(title, pl)) return &title;
    for (const Text* text : kControlTexts)
        if (is(*text, pl)) return text;
    for (const Text* text : kFileTexts)
        if (is(*text, pl)) return text;
    for (const Text* text : kHelpTexts)
        if (is(*text, pl)) return text;
    for (const Text* text : kEvaluationTexts)
        if (is(*text, pl)) return text;
    for (const Text* text : kTimelineTexts)
        if (is(*text, pl)) return text;
    for (const Text* text : kPrintTexts)
        if (is(*text, pl)) return text;
    return nullptr;
}

}  // namespace vemrik
