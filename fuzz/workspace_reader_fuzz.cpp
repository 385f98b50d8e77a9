// libFuzzer target for the workspace file reader: any bytes must give either a workspace or an
// error message, never a crash, and a workspace that was read must write out and read back the
// same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "workspace/workspace_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vemrik::ParsedWorkspace read = vemrik::parseWorkspace(text);
    if (!read.workspace) {
        if (read.error.empty()) __builtin_trap();  // a refusal must say why
        return 0;
    }
    const vemrik::ParsedWorkspace again = vemrik::parseWorkspace(vemrik::toJson(*read.workspace));
    if (!again.workspace || !(*again.workspace == *read.workspace)) __builtin_trap();
    return 0;
}
