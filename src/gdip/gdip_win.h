#pragma once
// GDI+ (flat API): started once per process, never shut down. Owners below delete their
// object with the matching flat call.
#include <windows.h>
// Lean Windows headers leave out what gdiplus.h needs (PROPID, IStream).
#include <objidl.h>

#include <gdiplus.h>

#include <optional>
#include <string>
#include <string_view>

#include "win/handles.h"

template <class T, Gdiplus::GpStatus(WINGDIPAPI* Delete)(T*)>
struct GdipTraits {
    static T* invalid() { return nullptr; }
    static bool valid(T* p) { return p != nullptr; }
    static void close(T* p) { Delete(p); }
};
using GdipGraphics = UniqueHandle<Gdiplus::GpGraphics*,
                                  GdipTraits<Gdiplus::GpGraphics, &Gdiplus::DllExports::GdipDeleteGraphics>>;
using GdipPath = UniqueHandle<Gdiplus::GpPath*, GdipTraits<Gdiplus::GpPath, &Gdiplus::DllExports::GdipDeletePath>>;
using GdipBrush = UniqueHandle<Gdiplus::GpBrush*, GdipTraits<Gdiplus::GpBrush, &Gdiplus::DllExports::GdipDeleteBrush>>;
using GdipImage = UniqueHandle<Gdiplus::GpImage*, GdipTraits<Gdiplus::GpImage, &Gdiplus::DllExports::GdipDisposeImage>>;
using GdipFontFamily = UniqueHandle<Gdiplus::GpFontFamily*,
                                    GdipTraits<Gdiplus::GpFontFamily, &Gdiplus::DllExports::GdipDeleteFontFamily>>;
using GdipStringFormat = UniqueHandle<Gdiplus::GpStringFormat*,
                                      GdipTraits<Gdiplus::GpStringFormat, &Gdiplus::DllExports::GdipDeleteStringFormat>>;
using GdipPen = UniqueHandle<Gdiplus::GpPen*, GdipTraits<Gdiplus::GpPen, &Gdiplus::DllExports::GdipDeletePen>>;
using GdipRegion = UniqueHandle<Gdiplus::GpRegion*, GdipTraits<Gdiplus::GpRegion, &Gdiplus::DllExports::GdipDeleteRegion>>;
using GdipMatrix = UniqueHandle<Gdiplus::GpMatrix*, GdipTraits<Gdiplus::GpMatrix, &Gdiplus::DllExports::GdipDeleteMatrix>>;

// Safe from any thread; a failed start shows up as failing GDI+ calls afterwards.
void ensure_gdiplus_started();

// A Graphics on the DC with anti-aliased shapes and text and half-pixel offset.
std::optional<GdipGraphics> gdip_graphics_from_hdc(HDC dc);

// Adds the text's outline (bold, generic typographic layout, no wrapping) to the path with its
// top left at (x, y); each "\n" starts a new line one line spacing further down. Runs in
// scripts the family lacks (Chinese, Japanese, Korean, Thai, Indic, emoji) are drawn in a family
// of their script, on the same baseline. A GDI+ failure is written to the diagnostic log and
// otherwise ignored.
void gdip_add_path_string(Gdiplus::GpPath* path, std::string_view text, const Gdiplus::GpFontFamily* family,
                          float em_size, float x, float y);

// The first family GDI+ knows of the UI language's face, "Segoe UI" and "Arial".
std::optional<GdipFontFamily> gdip_font_family();
// The same with the given face in place of the UI language's.
std::optional<GdipFontFamily> gdip_font_family_for(std::string_view ui_face);
