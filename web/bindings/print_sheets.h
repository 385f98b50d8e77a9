#pragma once

#include <emscripten/val.h>

#include <string>

#include "web/bindings/web_form.h"

namespace vemrik::web {

/// The map's track at `mmPerCell` millimetres a cell on paper `paper` (into kPapers) in look
/// `look` (0 the black line on white, 1 as on screen), as JSON: {message} when there is nothing to
/// print, else {summary, page: {width, height, margin, overlap}, sheets: [{name, width, height,
/// widthMm, heightMm, lastColumn, lastRow}]}, every length in millimetres but the sheets' pixels,
/// and the summary the sentence the print dialog shows. A choice out of range is brought within it.
std::string printSheets(WebForm& form, int scale, int mmPerCell, int paper, int look);

/// A sheet's pixels, `scale` across a map pixel, as RGBA; valid until the next call.
emscripten::val printSheetRGBA(WebForm& form, int index, int scale, int mmPerCell, int paper, int look);

/// JSON of the print dialog's words, {name: {pl, en}}, and its range: {least, most} millimetres a
/// cell, {papers: [names]}.
std::string printTextsJson();

}  // namespace vemrik::web
