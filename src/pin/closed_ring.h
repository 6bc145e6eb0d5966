#pragma once
// The recently closed pins: oldest first, at most CLOSED_PIN_LIMIT; restoring takes the newest.
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

inline constexpr size_t CLOSED_PIN_LIMIT = 10;

// Appends the newest and drops the oldest beyond the limit.
template <class T>
void remember_closed(std::vector<T>& ring, T closed) {
    ring.push_back(std::move(closed));
    if (ring.size() > CLOSED_PIN_LIMIT)
        ring.erase(ring.begin(), ring.begin() + static_cast<std::ptrdiff_t>(ring.size() - CLOSED_PIN_LIMIT));
}

// The newest, taken off the list; none when it is empty.
template <class T>
std::optional<T> take_newest_closed(std::vector<T>& ring) {
    if (ring.empty()) return std::nullopt;
    std::optional<T> out(std::move(ring.back()));
    ring.pop_back();
    return out;
}
