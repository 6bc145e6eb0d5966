#pragma once
// The element path under a point: seeded from the element under the point or from the
// window's element, reused while the point stays inside it, and deepened through the
// children that contain the point. Runs over an abstract element source so that it needs no
// UI Automation to be tested.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "util/geometry.h"

inline constexpr size_t UIA_SEED_LIMIT = 40;        // elements of a seed from the point
inline constexpr size_t UIA_DESCENT_LIMIT = 40;     // levels added by one query
inline constexpr size_t UIA_PATH_LIMIT = UIA_SEED_LIMIT + UIA_DESCENT_LIMIT;
inline constexpr size_t UIA_CHILDREN_LIMIT = 5000;  // children looked at per level
inline constexpr int64_t UIA_MIN_ELEMENT_SIDE = 4;  // smaller elements are never chosen
inline constexpr int64_t UIA_MIN_WINDOW_SIDE = 4;   // the window's own element: wider than 3

// One element with the properties fetched along with it.
class UiaElement {
public:
    virtual ~UiaElement() = default;
    // Screen rectangle; none when it could not be read.
    virtual std::optional<Rect> cached_rect() const = 0;
    // None when it could not be read.
    virtual std::optional<bool> cached_offscreen() const = 0;
};
using UiaElementPtr = std::shared_ptr<UiaElement>;

// The children of one element, read one by one.
class UiaChildren {
public:
    virtual ~UiaChildren() = default;
    virtual size_t count() const = 0;
    // Null when that child cannot be read.
    virtual UiaElementPtr at(size_t index) = 0;
};

// Everything the path needs from UI Automation and the window manager. A failed call gives
// null (or none).
class UiaElementSource {
public:
    virtual ~UiaElementSource() = default;
    virtual UiaElementPtr element_from_point(int32_t x, int32_t y) = 0;
    // The control-view parent.
    virtual UiaElementPtr parent(const UiaElement& element) = 0;
    virtual UiaElementPtr element_from_window(uintptr_t window) = 0;
    // The control-view children.
    virtual std::unique_ptr<UiaChildren> children(const UiaElement& element) = 0;
    // The top-level window under the point; 0 when there is none.
    virtual uintptr_t root_window_at(int32_t x, int32_t y) = 0;
    virtual std::optional<Rect> window_rect(uintptr_t window) = 0;
    virtual bool is_own_process_window(uintptr_t window) = 0;
};

struct UiaPathEntry {
    UiaElementPtr element;
    Rect rect;
};

// The path of the last query, kept for the next one.
struct UiaPath {
    uintptr_t root = 0;
    std::vector<UiaPathEntry> entries;  // the window's element first, the deepest last
};

// The rectangles of the elements under (x, y), innermost first and the outermost last; empty
// when nothing is found. `window` is the top-level window to query, 0 for the one under the
// point. Updates `kept`.
std::vector<Rect> uia_find_element_rects(UiaElementSource& source, UiaPath& kept, uintptr_t window,
                                         int32_t x, int32_t y);
