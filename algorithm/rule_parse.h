#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

#include "algorithm/rule_text.h"

namespace vemrik {

/// Whether a rule line is for this sensor pattern: its first 16 characters (the whole line if
/// shorter) equal the pattern. Never allocates.
inline bool ruleMatches(std::string_view line, std::string_view pattern) {
    // A step asks this of every rule: two 8-byte words compare a whole pattern without a call.
    if (pattern.size() == kPatternLength && line.size() >= kPatternLength) {
        std::uint64_t a[2], b[2];
        static_assert(sizeof a == kPatternLength);
        std::memcpy(a, line.data(), kPatternLength);
        std::memcpy(b, pattern.data(), kPatternLength);
        return a[0] == b[0] && a[1] == b[1];
    }
    return line.substr(0, kPatternLength) == pattern;
}

/// The turn angle of a rule line: the text from its 17th character on, read as a number (a
/// fraction too) and rounded to single precision. Throws ConversionError when that text is
/// empty, not a number, or beyond the single-precision range. Allocates only to throw.
float ruleAngle(std::string_view line);

}  // namespace vemrik
