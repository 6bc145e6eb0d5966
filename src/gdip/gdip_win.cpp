#include "gdip/gdip_win.h"

#include <mutex>
#include <vector>

#include "gdip/gdip_text.h"
#include "strings/ui_strings.h"
#include "util/log.h"
#include "util/text.h"

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

    // GDI+ lays out only the first line of a text with breaks: add the lines one by one.
    const std::vector<std::string_view> lines = split_text_lines(text);
    float advance = em_size;
    if (lines.size() > 1 && family) {
        UINT16 spacing = 0;
        UINT16 em_height = 0;
        if (gp::GdipGetLineSpacing(family, Gdiplus::FontStyleBold, &spacing) == Ok &&
            gp::GdipGetEmHeight(family, Gdiplus::FontStyleBold, &em_height) == Ok) {
            advance = line_advance(em_size, spacing, em_height);
        }
    }
    float line_y = y;
    for (std::string_view line : lines) {
        const std::wstring wide = to_wide(line);
        if (!wide.empty()) {
            const Gdiplus::RectF layout(x, line_y, 0.0f, 0.0f);
            status = gp::GdipAddPathString(path, wide.data(), static_cast<INT>(wide.size()), family,
                                           Gdiplus::FontStyleBold, em_size, &layout, format.get());
            if (status != Ok) debug_log("GdipAddPathString failed: status " + std::to_string(status));
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
