#include "platform/stored_zip.h"

namespace vemrik {

namespace {

constexpr std::uint16_t kFirstDay = (1 << 5) | 1;  // DOS date: 1980, month 1, day 1
constexpr std::uint16_t kVersion = 10;             // 1.0: stored members, no more asked of a reader

void put16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

/// What the local header and the central directory both say of a member, from "version needed" on.
void putCommon(std::string& out, const ZipMember& m) {
    put16(out, kVersion);
    put16(out, 0);  // flags
    put16(out, 0);  // stored
    put16(out, 0);  // time
    put16(out, kFirstDay);
    put32(out, crc32(m.bytes));
    put32(out, static_cast<std::uint32_t>(m.bytes.size()));
    put32(out, static_cast<std::uint32_t>(m.bytes.size()));
    put16(out, static_cast<std::uint32_t>(m.path.size()));
    put16(out, 0);  // extra field
}

}  // namespace

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

std::string storedZip(const std::vector<ZipMember>& members) {
    std::string out, directory;
    for (const ZipMember& m : members) {
        const auto offset = static_cast<std::uint32_t>(out.size());
        put32(out, 0x04034B50);
        putCommon(out, m);
        out += m.path;
        out += m.bytes;
        put32(directory, 0x02014B50);
        put16(directory, kVersion);  // made by
        putCommon(directory, m);
        put16(directory, 0);  // comment
        put16(directory, 0);  // disk
        put16(directory, 0);  // internal attributes
        put32(directory, 0);  // external attributes
        put32(directory, offset);
        directory += m.path;
    }
    const auto directoryAt = static_cast<std::uint32_t>(out.size());
    out += directory;
    put32(out, 0x06054B50);
    put32(out, 0);  // this disk, the directory's disk
    put16(out, static_cast<std::uint32_t>(members.size()));
    put16(out, static_cast<std::uint32_t>(members.size()));
    put32(out, static_cast<std::uint32_t>(directory.size()));
    put32(out, directoryAt);
    put16(out, 0);  // comment
    return out;
}

}  // namespace vemrik
