// Auto-selection under the cursor with made-up windows, monitors and element answers: the
// hovered rectangle is the window's or one of its cached elements, the wheel index stays
// within the nested rectangles, and the nearest monitor is a listed one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "capture/auto_select.h"
#include "support/fuzz_input.h"

namespace {

Rect read_rect(FuzzInput& in) {
    if (in.below(8) == 0) return Rect{in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>()};
    const int32_t l = in.number<int16_t>() / 16, t = in.number<int16_t>() / 16;
    return Rect{l, t, l + static_cast<int32_t>(in.number<uint16_t>() / 16), t + static_cast<int32_t>(in.number<uint16_t>() / 16)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    AutoSelect s;
    s.origin_x = in.number<int16_t>();
    s.origin_y = in.number<int16_t>();
    s.width = in.number<uint16_t>();
    s.height = in.number<uint16_t>();
    s.detect = in.flag() ? CaptureDetect::Element : CaptureDetect::Window;
    for (size_t i = in.below(4); i > 0; --i) s.monitors.push_back(read_rect(in));
    for (size_t i = in.below(6); i > 0; --i) s.windows.push_back(WindowTarget{read_rect(in), in.below(4)});

    for (size_t step = 0; step < 16 && !in.empty(); ++step) {
        switch (in.below(4)) {
            case 0: {
                ElementAnswer answer{in.below(4), in.number<int16_t>(), in.number<int16_t>(), {}};
                for (size_t i = in.below(6); i > 0; --i) answer.elements.push_back(read_rect(in));
                merge_uia_result(s, answer);
                for (const auto& [window, cached] : s.element_cache) {
                    FUZZ_CHECK(window != 0);
                    for (size_t i = 0; i < cached.size(); ++i)
                        FUZZ_CHECK(std::find(cached.begin() + static_cast<std::ptrdiff_t>(i) + 1, cached.end(),
                                             cached[i]) == cached.end());
                }
                break;
            }
            case 1: s.wheel_index = in.below(12); break;
            case 2: {
                const Rect m = nearest_monitor(s, in.number<int32_t>(), in.number<int32_t>());
                const bool listed = std::find(s.monitors.begin(), s.monitors.end(), m) != s.monitors.end();
                FUZZ_CHECK(listed || (s.monitors.empty() && m == (Rect{0, 0, s.width, s.height})));
                break;
            }
            default: {
                const int32_t x = in.number<int16_t>() / 16, y = in.number<int16_t>() / 16;
                const HitTest hit = hit_test_window_element(s, x, y);
                if (!hit.rect) {
                    FUZZ_CHECK(!hit.request);
                    break;
                }
                // The window under the point (the first listed that contains it) or one of its
                // elements: either way the hover lies in the list of candidates.
                const WindowTarget* under = nullptr;
                for (const WindowTarget& w : s.windows)
                    if (w.rect.contains(x, y)) {
                        under = &w;
                        break;
                    }
                FUZZ_CHECK(under != nullptr);
                if (*hit.rect != under->rect) {
                    FUZZ_CHECK(s.detect == CaptureDetect::Element && under->window != 0);
                    const auto cached = s.element_cache.find(under->window);
                    const bool from_cache = cached != s.element_cache.end() &&
                                            std::find(cached->second.begin(), cached->second.end(), *hit.rect) !=
                                                cached->second.end();
                    const bool from_hover = s.hover && std::find(s.hover->elements.begin(), s.hover->elements.end(),
                                                                 *hit.rect) != s.hover->elements.end();
                    FUZZ_CHECK(from_cache || from_hover);
                }
                if (hit.request) FUZZ_CHECK(hit.request->window == under->window);
                break;
            }
        }
    }
    return 0;
}
