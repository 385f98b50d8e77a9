#include "cli/csv_form_option.h"

#include "platform/texts.h"

namespace vemrik {

std::optional<CsvForm> csvFormOption(const std::string& value, std::string& why) {
    if (value == "standard") return CsvForm::Plain;
    if (value == "arkusz") return CsvForm::Sheet;
    why = say({"nieznany format CSV „{1}”: podaj standard albo arkusz",
               "unknown CSV format “{1}”: give standard or arkusz"},
              {value});
    return std::nullopt;
}

}  // namespace vemrik
