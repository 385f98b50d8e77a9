// Runs an exported sketch's Uno build in simavr: drives the sensor pins with the patterns the host
// test uses, reads the serial log back and checks each step's rule against the engine's.
// Usage: sketch_on_avr SKETCH.elf EXPECTED STEPS
#include <simavr/avr_ioport.h>
#include <simavr/avr_uart.h>
#include <simavr/sim_avr.h>
#include <simavr/sim_elf.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "../csv_fields.h"

namespace {

// The sketch's default sensor pins A0 … A5, 2, 3: their ports and bits.
constexpr char kPorts[] = "CCCCCCDD";
constexpr int kBits[] = {0, 1, 2, 3, 4, 5, 2, 3};

struct Run {
    avr_t* avr = nullptr;
    int sensors = 0;
    std::vector<int> expected;  // rule_index of each step
    int steps = 0;
    std::string line;
    int lines = 0;
    int wrong = 0;
};

int patternOf(int step, int sensors) { return (step * 97 + step / 256) & ((1 << sensors) - 1); }

void showPattern(Run& r, int step) {
    const int pattern = patternOf(step, r.sensors);
    for (int k = 0; k < r.sensors; ++k)
        avr_raise_irq(avr_io_getirq(r.avr, AVR_IOCTL_IOPORT_GETIRQ(kPorts[k]), kBits[k]), (pattern >> k) & 1);
}

void checkLine(Run& r) {
    std::cout << r.line << "\n";
    if (r.lines == 0 || r.lines > r.steps) return;
    const std::vector<std::string> f = csvFields(r.line);
    const std::string want = std::to_string(r.expected[static_cast<std::size_t>(r.lines - 1)]);
    if (f.size() != 15 || f[0] != std::to_string(r.lines) || f[12] != want) {
        std::cout << "  step " << r.lines << ": the engine chose " << want << "\n";
        ++r.wrong;
    }
}

// A byte the sketch sent. The first byte of a line comes out after the step has read its sensors
// and long before the next step reads them, so the next pattern goes on the pins then.
void onByte(avr_irq_t*, std::uint32_t value, void* param) {
    Run& r = *static_cast<Run*>(param);
    const char c = static_cast<char>(value);
    if (r.line.empty() && c != '\n') showPattern(r, r.lines);
    if (c == '\n') {
        checkLine(r);
        ++r.lines;
        r.line.clear();
    } else if (c != '\r') {
        r.line += c;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: sketch_on_avr SKETCH.elf EXPECTED STEPS\n";
        return 2;
    }
    Run r;
    std::ifstream expected(argv[2]);
    expected >> r.sensors;
    for (int v; expected >> v;) r.expected.push_back(v);
    r.steps = std::min(std::atoi(argv[3]), static_cast<int>(r.expected.size()));

    elf_firmware_t firmware{};
    std::strcpy(firmware.mmcu, "atmega328p");
    firmware.frequency = 16000000;
    if (elf_read_firmware(argv[1], &firmware) != 0) return 2;
    r.avr = avr_make_mcu_by_name("atmega328p");
    if (!r.avr) return 2;
    avr_init(r.avr);
    avr_load_firmware(r.avr, &firmware);
    r.avr->frequency = 16000000;
    r.avr->log = 0;

    std::uint32_t flags = 0;
    avr_ioctl(r.avr, AVR_IOCTL_UART_GET_FLAGS('0'), &flags);
    flags &= ~AVR_UART_FLAG_STDIO;
    avr_ioctl(r.avr, AVR_IOCTL_UART_SET_FLAGS('0'), &flags);
    avr_irq_register_notify(avr_io_getirq(r.avr, AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_OUTPUT), onByte, &r);

    while (r.lines <= r.steps) {
        const int state = avr_run(r.avr);
        if (state == cpu_Done || state == cpu_Crashed) break;
    }
    std::cout << r.steps << " steps, " << r.lines - 1 << " lines back, " << r.wrong << " unlike the engine\n";
    return r.lines > r.steps && r.wrong == 0 ? 0 : 1;
}
