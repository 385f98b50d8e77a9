#include "evaluation/grade/printable_text.h"

namespace vemrik {

namespace {

unsigned byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

/// The length of the well-formed UTF-8 sequence at the start of `s` (shortest form, no surrogate,
/// at most U+10FFFF), or 0 when there is none.
std::size_t sequenceLength(std::string_view s) {
    const unsigned b = byteAt(s, 0);
    std::size_t n = 0;
    unsigned low = 0x80, high = 0xBF;  // the range the second byte must lie in
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        low = b == 0xE0 ? 0xA0 : 0x80;
        high = b == 0xED ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        low = b == 0xF0 ? 0x90 : 0x80;
        high = b == 0xF4 ? 0x8F : 0xBF;
    }
    if (n == 0 || s.size() < n || byteAt(s, 1) < low || byteAt(s, 1) > high) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (byteAt(s, i) < 0x80 || byteAt(s, i) > 0xBF) return 0;
    return n;
}

void appendHex(std::string& out, const char* prefix, unsigned value) {
    constexpr char kHex[] = "0123456789abcdef";
    out += prefix;
    out += kHex[(value >> 4) & 15];
    out += kHex[value & 15];
}

/// Appends the character at the start of `rest`, escaped where it must be; returns its bytes.
std::size_t appendOne(std::string_view rest, std::string& out) {
    const unsigned b = byteAt(rest, 0);
    const char* named = b == '\n' ? "\\n" : b == '\t' ? "\\t" : b == '\r' ? "\\r" : nullptr;
    if (named) {
        out += named;
        return 1;
    }
    if (b < 0x20 || b == 0x7F) {
        appendHex(out, "\\x", b);
        return 1;
    }
    const std::size_t n = b < 0x80 ? 1 : sequenceLength(rest);
    if (n == 0) {
        appendHex(out, "\\x", b);
        return 1;
    }
    // U+0080 … U+009F: the C1 controls, which some terminals obey like ESC sequences.
    if (b == 0xC2 && byteAt(rest, 1) < 0xA0) {
        appendHex(out, "\\u00", byteAt(rest, 1));
        return 2;
    }
    out.append(rest.substr(0, n));
    return n;
}

}  // namespace

std::string printableText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) i += appendOne(text.substr(i), out);
    return out;
}

}  // namespace vemrik
