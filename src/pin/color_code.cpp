#include "pin/color_code.h"

#include <array>
#include <vector>

#include "util/color_text.h"
#include "util/text.h"

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<Rgb> parse_hex(std::string_view t) {
    if (t.size() != 4 && t.size() != 7 && t.size() != 9) return std::nullopt;
    std::array<int, 8> d{};
    for (size_t i = 1; i < t.size(); ++i) {
        d[i - 1] = hex_digit(t[i]);
        if (d[i - 1] < 0) return std::nullopt;
    }
    const auto byte = [](int v) { return static_cast<uint8_t>(v); };
    if (t.size() == 4) return Rgb{byte(d[0] * 17), byte(d[1] * 17), byte(d[2] * 17)};
    return Rgb{byte(d[0] * 16 + d[1]), byte(d[2] * 16 + d[3]), byte(d[4] * 16 + d[5])};
}

// Decimal digits only, 0 to 255.
std::optional<uint8_t> parse_channel(std::string_view piece) {
    if (piece.empty()) return std::nullopt;
    unsigned value = 0;
    for (char c : piece) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 255) return std::nullopt;
    }
    return static_cast<uint8_t>(value);
}

std::optional<Rgb> parse_numbers(std::string_view t) {
    const std::string lower = ascii_lower(t);
    std::string_view inner = lower;
    bool wrapped = false;
    for (std::string_view open : {"rgba(", "rgb("}) {
        if (starts_with(inner, open) && inner.size() > open.size() && inner.back() == ')') {
            inner = inner.substr(open.size(), inner.size() - open.size() - 1);
            wrapped = true;
            break;
        }
    }
    std::vector<std::string_view> pieces;
    size_t start = 0;
    for (size_t i = 0; i <= inner.size(); ++i) {
        if (i == inner.size() || inner[i] == ',' || inner[i] == ' ') {
            if (i > start) pieces.push_back(inner.substr(start, i - start));
            if (pieces.size() > 4) return std::nullopt;
            start = i + 1;
        }
    }
    if (pieces.size() != 3 && !(wrapped && pieces.size() == 4)) return std::nullopt;
    const std::optional<uint8_t> r = parse_channel(pieces[0]), g = parse_channel(pieces[1]),
                                 b = parse_channel(pieces[2]);
    if (!r || !g || !b) return std::nullopt;
    return Rgb{*r, *g, *b};
}

}  // namespace

std::optional<Rgb> parse_color_code(std::string_view text) {
    const std::string_view t = trim(text);
    if (t.empty()) return std::nullopt;
    if (t.front() == '#') return parse_hex(t);
    return parse_numbers(t);
}

namespace {

uint32_t packed(Rgb c) { return (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | uint32_t{c.b}; }

}  // namespace

std::string hex_line(Rgb c) { return color_to_text(packed(c), ColorFormat::Hex); }

std::string rgb_line(Rgb c) { return color_to_text(packed(c), ColorFormat::Rgb); }

uint32_t to_colorref(Rgb c) { return uint32_t{c.r} | (uint32_t{c.g} << 8) | (uint32_t{c.b} << 16); }
