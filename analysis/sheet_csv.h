#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vemrik {

/// How a CSV file is written: the plain form for other programs (commas, decimal points, English
/// names), or the form a spreadsheet opens as a table in the language spoken.
enum class CsvForm { Plain, Sheet };

/// Marks a UTF-8 file for spreadsheets, which would otherwise read Polish letters in a code page.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

/// The spreadsheet form's separator: a spreadsheet set to Polish reads ";" between fields, as
/// the comma is its decimal sign; in English ",".
char sheetSeparator();

/// Fields joined by sheetSeparator and ended by "\n"; a field holding the separator, a quote or
/// a line break in double quotes, inner quotes doubled.
std::string sheetRow(const std::vector<std::string>& fields);

/// The shortest text that reads back to `v`, with the language's decimal sign.
std::string sheetNumber(double v);
std::string sheetNumber(float v);

/// A share 0 … 1 as a percentage a spreadsheet reads as one: "97,5%".
std::string sheetPercent(double share);

}  // namespace vemrik
