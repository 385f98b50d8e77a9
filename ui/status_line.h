#pragma once

#include <array>
#include <string>

namespace vemrik {

class TForm1;

/// The status line under the form, in the language spoken: what every front end shows there.
struct StatusLine {
    enum Part { Steps, Time, State, Event, Pose, Rule, History, Seed, kParts };
    /// Each part's text; a part with nothing to say is empty.
    std::array<std::string, kParts> parts;
    /// How often the rule that acted last has acted, for a hint over its part; empty before any.
    std::string ruleHint;
    /// Why the steps counted are one more than the steps to the stop, for a hint over the steps.
    std::string stepsHint;

    /// The parts that say something, joined by " | ".
    std::string joined() const;
};

StatusLine statusLine(const TForm1& form);

}  // namespace vemrik
