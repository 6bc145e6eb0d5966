// Pin geometry from outside sizes (images from files and the clipboard, monitors, printers'
// page sizes and resolutions) and the pin's pixel transforms: windows stay at least 3 x 3 and
// within 32 bits, scales stay in range, a new pin that fits its monitor stays inside it, a
// printed image stays on its page, and each flip or inversion done twice gives the picture back.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "pin/pin_geometry.h"
#include "pin/pin_keys.h"
#include "pin/pin_pixels.h"
#include "support/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const auto w = in.number<int32_t>(), h = in.number<int32_t>();
    const float scale = in.number<float>();

    const Size32 outer = pin_outer_size(w, h, scale);
    FUZZ_CHECK(outer.w >= 3 && outer.h >= 3);

    const float clamped = clamp_pin_scale(scale);
    FUZZ_CHECK(clamped >= PIN_SCALE_MIN && clamped <= PIN_SCALE_MAX);
    const float steps = static_cast<float>(in.number<int16_t>()) / 30.0f;
    const float next = clamp_pin_scale(zoom_next(clamped, steps));
    FUZZ_CHECK(next >= PIN_SCALE_MIN && next <= PIN_SCALE_MAX);
    if ((clamped < 1 && next > 1) || (clamped > 1 && next < 1)) FUZZ_CHECK(false);  // never jumps over 1

    const Rect old{in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>()};
    (void)anchored_origin(old, in.number<int32_t>(), in.number<int32_t>(), outer);
    (void)recentred_origin(old, outer);
    const float thumb = thumbnail_scale(in.number<uint32_t>(), w, h);
    FUZZ_CHECK(thumb > 0 && std::isfinite(thumb));

    const uint8_t opacity = wheel_opacity(in.number<uint8_t>(), in.number<int32_t>());
    FUZZ_CHECK(opacity >= PIN_OPACITY_MIN && opacity <= PIN_OPACITY_MAX && opacity % 10 == 0);

    const PinLabelMetrics m = pin_label_metrics(in.number<uint32_t>());
    (void)pin_label_box(m, in.number<int32_t>(), in.number<int32_t>());

    const auto horz = in.number<int32_t>(), vert = in.number<int32_t>();
    if (const std::optional<Rect> page = print_placement(w, h, horz, vert, in.number<int32_t>(), in.number<int32_t>())) {
        FUZZ_CHECK(page->l >= 0 && page->t == 0 && page->r <= horz && page->b <= vert);
        FUZZ_CHECK(page->r > page->l && page->b > page->t);
    }

    const Rect monitor{in.number<int16_t>(), in.number<int16_t>(), in.number<int16_t>(), in.number<int16_t>()};
    const auto px = in.number<int32_t>(), py = in.number<int32_t>();
    if (w > 0 && h > 0 && !monitor.empty()) {
        for (const PinPlacement p : {place_pin_at(w, h, monitor, px, py), place_pin_centred(w, h, monitor, px, py)}) {
            FUZZ_CHECK(p.scale > 0 && p.scale <= 1);
            const Size32 o = pin_outer_size(w, h, p.scale);
            FUZZ_CHECK(p.x >= monitor.l && p.y >= monitor.t);
            if (o.w <= monitor.width()) FUZZ_CHECK(int64_t{p.x} + o.w <= monitor.r);
            if (o.h <= monitor.height()) FUZZ_CHECK(int64_t{p.y} + o.h <= monitor.b);
        }
    }

    const PinKeyAction locked = pin_key_action(in.number<uint32_t>(), in.flag(), in.flag(), true);
    FUZZ_CHECK(locked.action != PinAction::Move && locked.action != PinAction::ZoomIn &&
               locked.action != PinAction::ZoomOut && locked.action != PinAction::ActualSize);

    // A small picture from the rest of the input.
    const int32_t iw = 1 + static_cast<int32_t>(in.below(17)), ih = 1 + static_cast<int32_t>(in.below(17));
    std::vector<uint32_t> pixels(static_cast<size_t>(iw) * static_cast<size_t>(ih));
    for (uint32_t& p : pixels) p = in.number<uint32_t>();
    std::vector<uint32_t> work = pixels;
    flip_h(work, iw, ih);
    flip_h(work, iw, ih);
    FUZZ_CHECK(work == pixels);
    flip_v(work, iw, ih);
    flip_v(work, iw, ih);
    FUZZ_CHECK(work == pixels);
    invert(work);
    invert(work);
    for (size_t i = 0; i < work.size(); ++i) FUZZ_CHECK(work[i] == (pixels[i] & 0xFFFFFFu));
    grayscale(work);
    for (uint32_t p : work) FUZZ_CHECK(p % 0x010101u == 0 && p <= 0xFFFFFFu);
    return 0;
}
