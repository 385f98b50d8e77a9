#pragma once

#include "ui/form.h"
#include "workspace/workspace.h"

namespace vemrik {

/// The workspace as the form holds it now.
Workspace captureWorkspace(const TForm1& form);

/// Puts the form back as it is right after start-up (run timer off, robot held at the start,
/// pose and sensor states 0, check boxes clear, log empty, no tool, images blank, a redraw due),
/// keeping the page shown, then fills in the workspace. The workspace must have the board sizes
/// of the program, as parseWorkspace and captureWorkspace give it.
void applyWorkspace(TForm1& form, const Workspace& ws);

}  // namespace vemrik
