// The OCR window's readings of the system and the user: the text taken from the edit is valid
// UTF-8 and never more than the edit held; a window that fits the work area is placed inside it; the layout never
// gives a negative size.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ocr/ocr_window_geometry.h"
#include "ocr/ocr_window_text.h"
#include "support/fuzz_input.h"
#include "util/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const Rect placement{in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>()};
    const Rect work{in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>(), in.number<int32_t>()};
    const OcrWindowSize win = ocr_window_size(in.text(6), in.number<uint16_t>());
    const OcrPoint at = ocr_window_origin(placement, work, win);
    if (!work.empty() && win.width <= work.width64() && win.height <= work.height64()) {
        FUZZ_CHECK(at.x >= work.l && int64_t{at.x} + win.width <= work.r);
        FUZZ_CHECK(at.y >= work.t && int64_t{at.y} + win.height <= work.b);
    }

    OcrLayoutInput layout;
    layout.client_width = in.number<int32_t>();
    layout.client_height = in.number<int32_t>();
    layout.dpi = in.number<uint16_t>();
    layout.language_box = in.flag();
    layout.box_height = in.number<int32_t>();
    layout.copy_text = in.number<int32_t>();
    layout.close_text = in.number<int32_t>();
    layout.translate_text = in.number<int32_t>();
    layout.open_text = in.number<int32_t>();
    const OcrLayout l = ocr_window_layout_places(layout);
    for (const ControlPlace& p : {l.label, l.edit, l.close, l.copy, l.translate, l.keep_breaks, l.open_link})
        FUZZ_CHECK(p.w >= 0 && p.h >= 0);

    const uint32_t start = in.number<uint16_t>(), end = in.number<uint16_t>();
    const std::string rest = in.rest();
    std::u16string edit(rest.size() / 2, u'\0');
    for (size_t i = 0; i < edit.size(); ++i)
        edit[i] = static_cast<char16_t>(static_cast<uint8_t>(rest[2 * i]) | (static_cast<uint8_t>(rest[2 * i + 1]) << 8));
    const std::string taken = edit_text_taken(edit, start, end);
    FUZZ_CHECK(is_valid_utf8(taken));
    FUZZ_CHECK(taken.size() <= 3 * edit.size());
    FUZZ_CHECK(taken.find('\0') == std::string::npos);

    // What the edit shows goes back as it was, line breaks as "\n".
    const std::string shown = to_edit_text(rest);
    FUZZ_CHECK(from_edit_text(shown) == from_edit_text(rest));
    return 0;
}
