#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vemrik {

/// One file of an archive: its path inside it ('/' between folders) and its bytes.
struct ZipMember {
    std::string path;
    std::string bytes;
};

/// The CRC-32 a ZIP archive (and PNG, gzip) keeps of a member's bytes.
std::uint32_t crc32(std::string_view bytes);

/// A ZIP archive holding the members as they are, uncompressed, dated 1 January 1980 so the same
/// members give the same bytes. Members of 4 GiB or more do not fit this form.
std::string storedZip(const std::vector<ZipMember>& members);

}  // namespace vemrik
