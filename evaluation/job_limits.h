#pragma once

#include <cstdint>

#include "engine/engine.h"
#include "engine/noise.h"

namespace vemrik {

/// One setting of an evaluation: the values it takes and where a fresh dialog starts it.
template <class T>
struct SettingRange {
    T low;
    T high;
    T start;

    bool holds(T value) const { return value >= low && value <= high; }
};

// The window, the page and vemrik-eval all take these, so the same work gives the same report.
inline constexpr SettingRange<int> kRunsSetting{1, 1000000, 200};
inline constexpr SettingRange<int> kMaxStepsSetting{1, 100000000, 5000};
inline constexpr SettingRange<std::uint32_t> kSeedSetting{0, 4294967295u, Engine::kDefaultSeed};
inline constexpr SettingRange<double> kFlipSetting{0.0, 1.0, 0.0};
inline constexpr SettingRange<double> kShiftSetting{0.0, kMostShift, 0.0};
inline constexpr SettingRange<double> kTurnSetting{0.0, kMostTurn, 0.0};

}  // namespace vemrik
