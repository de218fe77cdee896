#include "highlight/contrast.h"

#include <cmath>
#include <utility>

namespace zuk::highlight {

namespace {

double channel(int32_t colour, int shift)
{
    const double c = static_cast<double>((colour >> shift) & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// `colour` moved `step` 255ths of the way to `target`, channel by channel.
int32_t mix(int32_t colour, int32_t target, int step)
{
    int32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int from = (colour >> shift) & 0xFF;
        const int to = (target >> shift) & 0xFF;
        const int c = from + static_cast<int>(std::lround((to - from) * step / 255.0));
        out |= c << shift;
    }
    return out;
}

} // namespace

double relativeLuminance(int32_t colour)
{
    return 0.2126 * channel(colour, 0) + 0.7152 * channel(colour, 8) + 0.0722 * channel(colour, 16);
}

double contrastRatio(int32_t a, int32_t b)
{
    double la = relativeLuminance(a);
    double lb = relativeLuminance(b);
    if (la < lb)
        std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

int32_t readableColour(int32_t fore, int32_t back, double minRatio)
{
    if (fore < 0 || back < 0 || contrastRatio(fore, back) >= minRatio)
        return fore;
    const int32_t white = 0xFFFFFF;
    const int32_t target = contrastRatio(white, back) >= contrastRatio(0, back) ? white : 0;
    // Every channel moves monotonically towards the target, and so does the
    // luminance: the first step that reads is found by halving.
    const auto reads = [&](int step) {
        const double l = relativeLuminance(mix(fore, target, step));
        const double lb = relativeLuminance(back);
        return target == white ? (l + 0.05) / (lb + 0.05) >= minRatio
                               : (lb + 0.05) / (l + 0.05) >= minRatio;
    };
    if (!reads(255))
        return target;
    int lo = 0, hi = 255; // reads(hi), not reads(lo)
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        (reads(mid) ? hi : lo) = mid;
    }
    return mix(fore, target, hi);
}

} // namespace zuk::highlight
