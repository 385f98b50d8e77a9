#include "app/errors.h"

namespace vemrik {

RangeError::RangeError(std::int64_t index, std::int64_t length)
    : std::out_of_range("Indeks " + std::to_string(index) + " poza zakresem 0.." +
                        std::to_string(length - 1) + " (długość " + std::to_string(length) + ")"),
      index_(index),
      length_(length) {}

ConversionError::ConversionError(const std::string& text)
    : std::invalid_argument("'" + text + "' nie jest poprawną liczbą") {}

NonFiniteStepError::NonFiniteStepError()
    : std::range_error(
          "Krok nie został wykonany: kierunek lub położenie robota przestałyby być skończoną liczbą. "
          "Kąty reguł są za duże; robot stoi tam, gdzie stał.") {}

}  // namespace vemrik
