#pragma once

#include <string_view>

#include "ui/form.h"

namespace vemrik {

using FormHandler = void (TForm1::*)();
using PointerHandler = void (TForm1::*)(int, int);

/// What pressing the form's button of this name does; nullptr when the form has no such button.
/// "Start" on the run page refuses a map without a start cell, as every front end wires it.
FormHandler clickHandler(std::string_view name);

/// The boards that take the pointer.
struct BoardHandlers {
    PointerHandler press;
    PointerHandler move;
    PointerHandler release;
    FormHandler click;
};

/// Image1 (robot) and Image2 (map) take the pointer; nullptr for the images that only show.
const BoardHandlers* boardHandlers(std::string_view imageName);

}  // namespace vemrik
