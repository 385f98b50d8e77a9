#pragma once

#include <emscripten/val.h>

#include <string>

#include "web/bindings/web_form.h"

namespace vemrik::web {

/// The map's track on A4 at 20 mm per cell, black line on white, as JSON: {message} when there is
/// nothing to print, else {page: {width, height, margin, overlap}, sheets: [{name, width, height,
/// widthMm, heightMm, lastColumn, lastRow}]}, every length in millimetres but the sheets' pixels.
std::string printSheets(WebForm& form, int scale);

/// A sheet's pixels, `scale` across a map pixel, as RGBA; valid until the next call.
emscripten::val printSheetRGBA(WebForm& form, int index, int scale);

}  // namespace vemrik::web
