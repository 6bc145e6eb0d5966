// "--compare-grab": the virtual screen grabbed through desktop duplication and through GDI.
#include "dev/dev_jobs_win.h"

#include <windows.h>

#include "dev/grab_compare.h"
#include "dxgi/dxgi_win.h"
#include "util/clock.h"
#include "win/dev_report.h"
#include "win/env.h"

void run_compare_grab(const Args& args) {
    const std::string out_path =
        option_value(args, "--out").value_or(join_path(temp_dir(), "ormick-oxel-compare.txt"));
    const double job_start = clock_ms();

    CompareInput in;
    in.virtual_screen = virtual_screen_rect();
    in.monitors = monitor_rects();

    const double warm_start = clock_ms();
    capture_engine_prewarm(job_start);
    in.prewarm_ms = clock_ms() - warm_start;

    const Rect& vs = in.virtual_screen;
    std::optional<DibBitmap> dxgi_dib = DibBitmap::create(vs.width(), vs.height());
    std::optional<DibBitmap> gdi_dib = DibBitmap::create(vs.width(), vs.height());
    if (!dxgi_dib || !gdi_dib) {
        write_dev_report(out_path, "virtual screen " + rect_text(vs) + ": cannot make the bitmaps\n", "compare");
        return;
    }

    double t = clock_ms();
    const GrabResult grab = dxgi_grab(dxgi_dib->bits, dxgi_dib->pixel_count(), dxgi_dib->width, dxgi_dib->height,
                                      vs.l, vs.t, in.monitors);
    in.dxgi_ms = clock_ms() - t;
    in.copied = grab.copied;
    in.incomplete = grab.incomplete;

    t = clock_ms();
    gdi_grab_missing(*gdi_dib, vs.l, vs.t, in.monitors, {});
    in.gdi_ms = clock_ms() - t;

    in.dxgi_pixels = dxgi_dib->bits;
    in.gdi_pixels = gdi_dib->bits;
    in.pixel_count = dxgi_dib->pixel_count();
    write_dev_report(out_path, compare_report(in), "compare");
}
