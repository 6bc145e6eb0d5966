#include "gdip/gdip_win.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

#include "gdip/gdip_text.h"
#include "gdip/text_runs.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"
#include "win/handles.h"

namespace gp = Gdiplus::DllExports;
using Gdiplus::Ok;

void ensure_gdiplus_started() {
    static std::once_flag started;
    std::call_once(started, [] {
        static ULONG_PTR token = 0;  // kept for the life of the process
        Gdiplus::GdiplusStartupInput input;
        input.GdiplusVersion = 1;
        input.DebugEventCallback = nullptr;
        input.SuppressBackgroundThread = FALSE;
        input.SuppressExternalCodecs = FALSE;
        Gdiplus::GdiplusStartup(&token, &input, nullptr);
    });
}

std::optional<GdipGraphics> gdip_graphics_from_hdc(HDC dc) {
    ensure_gdiplus_started();
    Gdiplus::GpGraphics* raw = nullptr;
    if (!dc || gp::GdipCreateFromHDC(dc, &raw) != Ok || !raw) return std::nullopt;
    GdipGraphics graphics(raw);
    gp::GdipSetSmoothingMode(raw, Gdiplus::SmoothingModeAntiAlias);
    gp::GdipSetPixelOffsetMode(raw, Gdiplus::PixelOffsetModeHalf);
    gp::GdipSetTextRenderingHint(raw, Gdiplus::TextRenderingHintAntiAlias);
    return graphics;
}

namespace {

// The family of a script slot, looked up once per process; null where none of its faces exists.
const Gdiplus::GpFontFamily* slot_family(FontSlot slot) {
    static std::mutex lock;
    static std::array<std::optional<std::optional<GdipFontFamily>>, FONT_SLOT_COUNT> families;
    const std::lock_guard guard(lock);
    auto& entry = families[static_cast<size_t>(slot)];
    if (!entry) {
        entry.emplace();
        for (std::string_view face : slot_faces(slot)) {
            const std::wstring name = to_wide(face);
            Gdiplus::GpFontFamily* family = nullptr;
            if (gp::GdipCreateFontFamilyFromName(name.c_str(), nullptr, &family) == Ok && family) {
                entry->emplace(family);
                break;
            }
        }
    }
    return *entry ? (*entry)->get() : nullptr;
}

struct FamilyMetrics {
    float ascent = 0;  // from a line's top to its baseline
    float line = 0;    // from one line's top to the next
};

FamilyMetrics family_metrics(const Gdiplus::GpFontFamily* family, float em_size) {
    UINT16 em = 0, ascent = 0, spacing = 0;
    if (!family || gp::GdipGetEmHeight(family, Gdiplus::FontStyleBold, &em) != Ok || em == 0) return {em_size, em_size};
    gp::GdipGetCellAscent(family, Gdiplus::FontStyleBold, &ascent);
    gp::GdipGetLineSpacing(family, Gdiplus::FontStyleBold, &spacing);
    return {em_size * static_cast<float>(ascent) / em, line_advance(em_size, spacing, em)};
}

// How far a run of text moves the pen, trailing spaces included: the right edge of the run
// with a letter after it less that of the letter alone, both laid out as the path lays them out.
float run_advance(const Gdiplus::GpFontFamily* family, float em_size, const std::wstring& text,
                  Gdiplus::GpStringFormat* format) {
    auto right = [&](const std::wstring& s) -> std::optional<float> {
        Gdiplus::GpPath* raw = nullptr;
        if (gp::GdipCreatePath(Gdiplus::FillModeWinding, &raw) != Ok || !raw) return std::nullopt;
        const GdipPath path(raw);
        const Gdiplus::RectF layout(0, 0, 0, 0);
        Gdiplus::RectF box;
        if (gp::GdipAddPathString(raw, s.c_str(), static_cast<INT>(s.size()), family, Gdiplus::FontStyleBold, em_size,
                                  &layout, format) != Ok ||
            gp::GdipGetPathWorldBounds(raw, &box, nullptr, nullptr) != Ok)
            return std::nullopt;
        return box.X + box.Width;
    };
    const std::optional<float> with = right(text + L"x"), letter = right(L"x");
    return with && letter ? std::max(*with - *letter, 0.0f) : 0.0f;
}

void add_string(Gdiplus::GpPath* path, const std::wstring& wide, const Gdiplus::GpFontFamily* family, float em_size,
                float x, float y, Gdiplus::GpStringFormat* format) {
    const Gdiplus::RectF layout(x, y, 0.0f, 0.0f);
    const Gdiplus::GpStatus status = gp::GdipAddPathString(path, wide.data(), static_cast<INT>(wide.size()), family,
                                                           Gdiplus::FontStyleBold, em_size, &layout, format);
    if (status != Ok) debug_log("GdipAddPathString failed: status " + std::to_string(status));
}

}  // namespace

void gdip_add_path_string(Gdiplus::GpPath* path, std::string_view text, const Gdiplus::GpFontFamily* family,
                          float em_size, float x, float y) {
    ensure_gdiplus_started();
    Gdiplus::GpStringFormat* generic = nullptr;
    Gdiplus::GpStringFormat* raw_format = nullptr;
    Gdiplus::GpStatus status = gp::GdipStringFormatGetGenericTypographic(&generic);
    if (status == Ok) status = gp::GdipCloneStringFormat(generic, &raw_format);
    GdipStringFormat format(raw_format);
    if (status != Ok || !format) {
        debug_log("GdipAddPathString failed: status " + std::to_string(status == Ok ? Gdiplus::GenericError : status));
        return;
    }

    // GDI+ lays out only the first line of a text with breaks: add the lines one by one. A line
    // with script runs the family lacks draws each run in a family that has its glyphs, on the
    // family's baseline.
    const std::vector<std::string_view> lines = split_text_lines(text);
    const FamilyMetrics base = family_metrics(family, em_size);
    const FontSlot han = han_slot(text, ui_text(LANG_CODE));
    float line_y = y;
    for (std::string_view line : lines) {
        const std::vector<TextRun> runs = split_text_runs(line, han);
        float advance = lines.size() > 1 ? base.line : em_size;
        if (runs.size() == 1 && runs[0].slot == FontSlot::Base) {
            add_string(path, to_wide(line), family, em_size, x, line_y, format.get());
        } else if (!runs.empty()) {
            const float baseline = line_y + base.ascent;
            float run_x = x;
            for (const TextRun& run : runs) {
                const Gdiplus::GpFontFamily* run_family = run.slot == FontSlot::Base ? family : slot_family(run.slot);
                if (!run_family) run_family = family;
                const FamilyMetrics m = family_metrics(run_family, em_size);
                const std::wstring wide = to_wide(line.substr(run.begin, run.end - run.begin));
                add_string(path, wide, run_family, em_size, run_x, baseline - m.ascent, format.get());
                if (&run != &runs.back())
                    run_x += run_advance(run_family, em_size, wide, format.get());
                if (lines.size() > 1) advance = std::max(advance, m.line);
            }
        }
        line_y += advance;
    }
}

std::optional<GdipFontFamily> gdip_font_family_for(std::string_view ui_face) {
    ensure_gdiplus_started();
    for (const std::string& face : font_face_candidates(ui_face)) {
        const std::wstring name = to_wide(face);
        Gdiplus::GpFontFamily* family = nullptr;
        if (gp::GdipCreateFontFamilyFromName(name.c_str(), nullptr, &family) == Ok && family) {
            return GdipFontFamily(family);
        }
    }
    return std::nullopt;
}

std::optional<GdipFontFamily> gdip_font_family() { return gdip_font_family_for(ui_text(UI_FONT_FACE)); }
