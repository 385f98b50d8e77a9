#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "engine/run_control.h"
#include "platform/texts.h"

namespace vemrik {

class TForm1;

/// What is shown over the "Symulacja" image, apart from its pixels: nothing, the first-start
/// panel, or a banner. Every front end draws it over the picture, never into it.
enum class NoticeKind { None, FirstStart, OffMap, UnseenStop, Finish };

/// Where it sits on the image: in the middle, or along the top edge.
enum class NoticePlace { Middle, Top };

/// A button of a notice. `id` says what it does: a command of ui/commands.h ("help.guide"), a
/// control of ui/layout.h pressed ("sim.back"), "file.examples" for the first example, or
/// kRobotPageButton for the "Robot" page.
struct NoticeButton {
    std::string_view id;
    Text caption;  // with its mnemonic
};
inline constexpr std::string_view kRobotPageButton = "page.robot";

/// A text of a notice with its argument ("{1}"), if any.
struct NoticeText {
    Text text;
    std::string arg;
    std::string spoken() const { return say(text, {arg}); }
};

/// The point of the image's edge nearest the robot off it, and the way from there to the robot
/// (a unit vector in image pixels, y down).
struct EdgeMark {
    int x = 0;
    int y = 0;
    float dx = 0.0f;
    float dy = 0.0f;
};

struct SimulationNotice {
    NoticeKind kind = NoticeKind::None;
    NoticePlace place = NoticePlace::Top;
    std::vector<NoticeText> lines;
    std::vector<NoticeButton> buttons;
    /// A text to be read across a room: the finish, drawn large and scaled with the zoom.
    bool large = false;
    std::optional<EdgeMark> edge;
};

/// Of the form, what a notice has to compare to tell that an event changed something: every
/// part a user's event changes, the run's state too; `run` adds the steps. (The redraw after the
/// stop puts the held robot back on its start, so the pose is no part of it.)
struct FormMoment {
    WorkVersion work;
    int page = 0;
    bool trail = false;
    int interval = 0;
    std::uint32_t seed = 0;
    bool repeatable = false, paused = false, refused = false, endLost = false;
    RunState state = RunState::Held;
    bool history = false, stepShownBack = false;
    std::uint64_t steps = 0;
    bool operator==(const FormMoment&) const = default;
};
FormMoment formMoment(const TForm1& form, bool run);

/// The moments the finish and an unseen stop were met, followed after every event: each notice
/// lasts until an event changes the form (a step of the run aside, for the unseen stop).
class NoticeWatch {
public:
    void follow(const TForm1& form);
    bool finishShown(const TForm1& form) const;
    bool unseenStopShown(const TForm1& form) const;

private:
    struct Met {
        FormMoment at;
        /// An event has changed the form since.
        bool gone = false;
    };
    /// The moment without the run's steps, its steps those the pass was met at.
    FormMoment unseenMoment(const TForm1& form) const;

    std::optional<Met> finish_;
    std::optional<Met> unseenStop_;
    bool wasRunning_ = false;
    /// The steps and the work the pass was last looked for at: the 25 ms ticks between two steps
    /// leave the pose as it was.
    std::optional<std::pair<std::uint64_t, WorkVersion>> looked_;
    bool clearOfStop_ = false;
};

/// Whether nothing of the work is made yet: no robot or map cell, no stroke, no rule.
bool workIsEmpty(const TForm1& form);
/// The step count the finish and the status both say: the steps before the stop was seen.
std::optional<std::uint64_t> finishSteps(const TForm1& form);

/// The notice over the image now, in the order: the first start, off the map, the unseen stop,
/// the finish.
SimulationNotice simulationNotice(const TForm1& form);

}  // namespace vemrik
