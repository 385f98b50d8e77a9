#include "platform/decimal.h"

namespace vemrik {

std::string shortestText(double v) {
    char buf[kNumberChars];
    return std::string(buf, writeShortest(v, buf));
}

std::string shortestText(float v) {
    char buf[kNumberChars];
    return std::string(buf, writeShortest(v, buf));
}

}  // namespace vemrik
