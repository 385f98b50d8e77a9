#pragma once

namespace vemrik {

/// Makes a write past the file size limit (`ulimit -f`) fail with EFBIG, which a save reports and
/// survives, instead of raising the signal that ends the program on the spot. Affects the whole
/// process: called once at the start of main.
void reportFileSizeLimitAsError();

}  // namespace vemrik
