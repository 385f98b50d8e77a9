#pragma once

namespace vemrik::web {

/// "Wyścig" for the page: the class WebRace over the app model's race board.
void bindRace();

}  // namespace vemrik::web
