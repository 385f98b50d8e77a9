#include "Arduino.h"

SerialPort Serial;

namespace stand_in {

Board& board() {
    static Board b;
    return b;
}

}  // namespace stand_in

void pinMode(std::uint8_t pin, std::uint8_t mode) { stand_in::board().mode[pin] = mode; }
int digitalRead(std::uint8_t pin) { return stand_in::board().level[pin]; }
void digitalWrite(std::uint8_t pin, std::uint8_t level) { stand_in::board().level[pin] = level; }
int analogRead(std::uint8_t pin) { return stand_in::board().analog[pin]; }
void analogWrite(std::uint8_t pin, int value) { stand_in::board().pwm[pin] = value; }
unsigned long millis() { return stand_in::board().now; }

void delay(unsigned long ms) {
    stand_in::Board& b = stand_in::board();
    b.now += ms;
    const auto level = [&](int pin) { return static_cast<unsigned long>(b.level[pin]); };
    b.waits.push_back({ms, level(7), level(8), level(9), level(10)});
}
