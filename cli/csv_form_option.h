#pragma once

#include <optional>
#include <string>

#include "analysis/sheet_csv.h"

namespace vemrik {

/// The value of --csv-format: "standard" or "arkusz"; nothing, with `why` said, for any other.
std::optional<CsvForm> csvFormOption(const std::string& value, std::string& why);

}  // namespace vemrik
