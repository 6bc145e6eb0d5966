#pragma once
// GDI+ owners that annotation drawing needs beyond gdip_win.h's.
#include "gdip/gdip_win.h"

using GdipPen = UniqueHandle<Gdiplus::GpPen*, GdipTraits<Gdiplus::GpPen, &Gdiplus::DllExports::GdipDeletePen>>;
using GdipRegion = UniqueHandle<Gdiplus::GpRegion*, GdipTraits<Gdiplus::GpRegion, &Gdiplus::DllExports::GdipDeleteRegion>>;
using GdipMatrix = UniqueHandle<Gdiplus::GpMatrix*, GdipTraits<Gdiplus::GpMatrix, &Gdiplus::DllExports::GdipDeleteMatrix>>;
