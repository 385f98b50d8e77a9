#pragma once

#include "ui/form.h"

namespace vemrik::bench {

/// The scenes every page figure is taken on (scenes/scenes.h).
enum class Scene { kEmpty, kTypical, kBusy };

/// A form holding the scene, its robot placed on the start cell and "Start" pressed, as during a
/// run, with every page drawn once so that later redraws are warm.
void prepareForm(TForm1& form, Scene scene);

}  // namespace vemrik::bench
