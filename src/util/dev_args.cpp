#include "util/dev_args.h"

#include <charconv>
#include <limits>
#include <type_traits>

#include "util/text.h"

std::optional<size_t> find_arg(const Args& args, std::string_view name) {
    for (size_t i = 0; i < args.size(); ++i)
        if (args[i] == name) return i;
    return std::nullopt;
}

std::optional<size_t> find_out_arg(const Args& args) { return find_arg(args, "--out"); }

std::optional<std::string> option_value(const Args& args, std::string_view name) {
    const auto i = find_arg(args, name);
    if (!i || *i + 1 >= args.size()) return std::nullopt;
    return args[*i + 1];
}

namespace {
// A whole decimal number with one optional sign: '+', or '-' for a signed type ("+-5" is none).
template <class T>
std::optional<T> parse_decimal(std::string_view s) {
    const bool plus = !s.empty() && s.front() == '+';
    if (plus) s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return std::nullopt;
    if (s.front() == '-' && (plus || std::is_unsigned_v<T>)) return std::nullopt;
    T v{};
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}
}  // namespace

uint64_t parse_count_arg(const Args& args, size_t switch_index, size_t offset, uint64_t max) {
    const size_t i = switch_index + offset;
    if (i >= args.size()) return 10;
    const std::optional<uint64_t> n = parse_decimal<uint64_t>(args[i]);
    return n && *n <= max ? *n : 10;
}

std::optional<Rect> parse_rect_arg(const Args& args, size_t switch_index) {
    if (switch_index + 1 >= args.size()) return std::nullopt;
    std::string_view rest = args[switch_index + 1];
    std::vector<int32_t> numbers;
    for (;;) {
        const size_t comma = rest.find(',');
        if (auto n = parse_decimal<int32_t>(trim(rest.substr(0, comma)))) numbers.push_back(*n);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    if (numbers.size() != 4) return std::nullopt;
    const int64_t r = int64_t{numbers[0]} + numbers[2];
    const int64_t b = int64_t{numbers[1]} + numbers[3];
    if (r > std::numeric_limits<int32_t>::max() || b > std::numeric_limits<int32_t>::max() ||
        r < std::numeric_limits<int32_t>::min() || b < std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return Rect{numbers[0], numbers[1], static_cast<int32_t>(r), static_cast<int32_t>(b)};
}
