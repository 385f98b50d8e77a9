#include "app/errors.h"

#include "platform/texts.h"

namespace vemrik {

RangeError::RangeError(std::int64_t index, std::int64_t length)
    : std::out_of_range(say(
          {"Indeks {1} poza zakresem 0..{2} (długość {3})", "Index {1} out of the range 0..{2} (length {3})"},
          {std::to_string(index), std::to_string(length - 1), std::to_string(length)})),
      index_(index),
      length_(length) {}

ConversionError::ConversionError(const std::string& text)
    : std::invalid_argument(say({"'{1}' nie jest poprawną liczbą", "'{1}' is not a valid number"}, {text})) {}

NonFiniteStepError::NonFiniteStepError()
    : std::range_error(
          say({"Krok nie został wykonany: kierunek lub położenie robota przestałyby być skończoną liczbą. "
               "Kąty reguł są za duże; robot stoi tam, gdzie stał.",
               "The step was not made: the robot's heading or position would stop being a finite number. "
               "The rules' angles are too large; the robot stays where it was."})) {}

}  // namespace vemrik
