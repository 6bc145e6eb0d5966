#include "util/color_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::string color_to_text(uint32_t rgb, ColorFormat format) {
    const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    char buf[40];
    switch (format) {
    case ColorFormat::Hex: std::snprintf(buf, sizeof buf, "#%06X", rgb & 0xFFFFFFu); break;
    case ColorFormat::Rgb: std::snprintf(buf, sizeof buf, "rgb(%u, %u, %u)", r, g, b); break;
    case ColorFormat::Hsl: {
        const double rf = r / 255.0, gf = g / 255.0, bf = b / 255.0;
        const double hi = std::max({rf, gf, bf}), lo = std::min({rf, gf, bf}), d = hi - lo;
        const double l = (hi + lo) / 2.0;
        double h = 0, s = 0;
        if (d >= 0.000001) {
            s = d / (1.0 - std::fabs(2.0 * l - 1.0));
            if (hi == rf) {
                double sector = std::fmod((gf - bf) / d, 6.0);
                if (sector < 0) sector += 6.0;
                h = 60.0 * sector;
            } else if (hi == gf) {
                h = 60.0 * ((bf - rf) / d + 2.0);
            } else {
                h = 60.0 * ((rf - gf) / d + 4.0);
            }
        }
        // A hue that rounds to 360 stays 360: valid CSS, and what the formula gives.
        std::snprintf(buf, sizeof buf, "hsl(%d, %d%%, %d%%)", static_cast<int>(std::lround(h)),
                      static_cast<int>(std::lround(s * 100.0)), static_cast<int>(std::lround(l * 100.0)));
        break;
    }
    }
    return buf;
}
