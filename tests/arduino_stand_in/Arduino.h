// A small stand-in for the Arduino core, so an exported sketch builds and runs on the host: pins
// the test sets, motor commands and waits it reads back, a clock that only delay() moves, and a
// serial port that collects what the sketch prints.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "avr/pgmspace.h"

#define HIGH 1
#define LOW 0
#define INPUT 0
#define OUTPUT 1
#define F(text) (reinterpret_cast<const __FlashStringHelper*>(text))

using std::fabs;
using std::fmod;

class __FlashStringHelper;

inline constexpr std::uint8_t A0 = 14, A1 = 15, A2 = 16, A3 = 17, A4 = 18, A5 = 19, A6 = 20, A7 = 21;

namespace stand_in {

inline constexpr int kPins = 22;

/// A wait of the sketch: {ms, left forward, left back, right forward, right back} as it lasted.
using Wait = std::array<unsigned long, 5>;

struct Board {
    int level[kPins] = {};   ///< digitalRead, and what digitalWrite set
    int analog[kPins] = {};  ///< analogRead
    int mode[kPins] = {};
    int pwm[kPins] = {};
    unsigned long now = 0;
    std::vector<Wait> waits;
    std::string serial;
};

/// The one board every sketch runs on; a test resets it between sketches.
Board& board();

}  // namespace stand_in

void pinMode(std::uint8_t pin, std::uint8_t mode);
int digitalRead(std::uint8_t pin);
void digitalWrite(std::uint8_t pin, std::uint8_t level);
int analogRead(std::uint8_t pin);
void analogWrite(std::uint8_t pin, int value);
unsigned long millis();
void delay(unsigned long ms);

class SerialPort {
public:
    void begin(long) {}
    void print(const char* text) { stand_in::board().serial += text; }
    void print(char c) { stand_in::board().serial += c; }
    void print(const __FlashStringHelper* text) { print(reinterpret_cast<const char*>(text)); }
    template <class Number>
    requires std::is_integral_v<Number>
    void print(Number n) { stand_in::board().serial += std::to_string(n); }
    template <class T>
    void println(T value) {
        print(value);
        print("\r\n");
    }
};

extern SerialPort Serial;
