#pragma once

#include <array>

namespace vemrik {

/// The sketch's default sensor pins in sensor order: analogue pins first, as they read both kinds
/// of sensor, then two free digital pins.
inline constexpr std::array<const char*, 8> kSensorPins = {"A0", "A1", "A2", "A3", "A4", "A5", "2", "3"};

/// A motor driver input and the sketch's default pin for it.
struct MotorPin {
    const char* input;
    const char* pin;
};

/// One PWM and two direction inputs a side, as the common H-bridge boards name them.
inline constexpr std::array<MotorPin, 6> kMotorPins = {
    {{"ENA", "5"}, {"IN1", "7"}, {"IN2", "8"}, {"ENB", "6"}, {"IN3", "9"}, {"IN4", "10"}}};

}  // namespace vemrik
