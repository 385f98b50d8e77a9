#include "analysis/rule_check.h"

#include <algorithm>
#include <bit>
#include <bitset>

namespace vemrik {

namespace {

using PatternSet = std::bitset<kPatternCount>;

// Whether every pattern of the cube lies in the set.
bool inside(const PatternSet& set, PatternCube cube, int sensors) {
    const int all = (1 << sensors) - 1, free = all & ~cube.fixed;
    // Walks the subsets of the free slots.
    for (int sub = free;; sub = (sub - 1) & free) {
        if (!set[static_cast<std::size_t>(cube.bits | sub)]) return false;
        if (sub == 0) return true;
    }
}

// The cube grown from `pattern`, one slot set free at a time from the last slot down.
PatternCube grow(const PatternSet& set, int pattern, int sensors) {
    PatternCube cube{(1 << sensors) - 1, pattern};
    for (int k = sensors - 1; k >= 0; --k) {
        const PatternCube wider{cube.fixed & ~(1 << k), cube.bits & ~(1 << k)};
        if (inside(set, wider, sensors)) cube = wider;
    }
    return cube;
}

// The repeat of line i, when an earlier candidate of its pattern has its angle; the shares come
// from all candidates of the pattern.
bool repeat(Finding& f, const std::vector<LineReading>& lines, const PatternOdds& odds) {
    const LineReading& me = lines[static_cast<std::size_t>(f.line)];
    int same = 0;
    for (int j = 0; j < odds.candidates; ++j) {
        const int other = odds.lines[static_cast<std::size_t>(j)];
        const LineReading& r = lines[static_cast<std::size_t>(other)];
        if (!r.readable || r.angle != me.angle) continue;
        if (same++ == 0) f.earlier[0] = other;
    }
    if (same == 0 || f.earlier[0] == f.line) return false;
    const int n = odds.candidates;
    f.with = chance(same, n + 1);
    f.without = chance(same - 1, n);
    f.straightWith = chance(1, n + 1);
    f.straightWithout = chance(1, n);
    return true;
}

}  // namespace

int PatternCube::size(int sensors) const {
    return 1 << std::popcount(static_cast<unsigned>(((1 << sensors) - 1) & ~fixed));
}

std::vector<PatternCube> uncoveredCubes(const std::vector<LineReading>& lines, int sensors) {
    const int reachableCount = 1 << sensors;
    PatternSet uncovered;
    for (int p = 0; p < reachableCount; ++p) uncovered.set(static_cast<std::size_t>(p));
    for (const LineReading& r : lines)
        if (r.pattern >= 0) uncovered.reset(static_cast<std::size_t>(r.pattern));
    std::vector<PatternCube> cubes;
    PatternSet listed;
    for (int p = 0; p < reachableCount; ++p) {
        if (!uncovered[static_cast<std::size_t>(p)] || listed[static_cast<std::size_t>(p)]) continue;
        const PatternCube cube = grow(uncovered, p, sensors);
        const int free = (reachableCount - 1) & ~cube.fixed;
        for (int sub = free;; sub = (sub - 1) & free) {
            listed.set(static_cast<std::size_t>(cube.bits | sub));
            if (sub == 0) break;
        }
        cubes.push_back(cube);
    }
    return cubes;
}

std::vector<Finding> checkRules(const std::vector<std::string>& rules, int sensors) {
    const std::vector<LineReading> lines = readLines(rules);
    std::vector<Finding> found;
    std::array<PatternOdds, kPatternCount> odds;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].pattern >= 0)
            odds[static_cast<std::size_t>(lines[i].pattern)].add(static_cast<int>(i), lines[i]);
    const auto oddsOf = [&odds](int pattern) -> const PatternOdds& {
        return odds[static_cast<std::size_t>(pattern)];
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineReading& r = lines[i];
        Finding f;
        f.line = static_cast<int>(i);
        f.fate = fateOf(r, sensors);
        f.kind = f.fate == LineFate::Acts       ? Finding::Repeated
                 : f.fate == LineFate::BadAngle ? Finding::BadAngle
                                                : Finding::NeverActs;
        if (f.fate == LineFate::Acts && !repeat(f, lines, oddsOf(r.pattern))) continue;
        if (f.fate == LineFate::MissingSensor)
            f.sensor = std::countr_zero(static_cast<unsigned>(r.pattern >> sensors)) + sensors;
        if (f.fate == LineFate::Crowded)
            std::copy_n(oddsOf(r.pattern).lines.begin(), kMaxCandidates, f.earlier.begin());
        found.push_back(f);
    }
    for (const PatternCube& cube : uncoveredCubes(lines, sensors)) {
        Finding f;
        f.kind = Finding::NoRule;
        f.cube = cube;
        found.push_back(f);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Finding& a, const Finding& b) { return a.kind < b.kind; });
    return found;
}

}  // namespace vemrik
