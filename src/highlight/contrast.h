#pragma once

#include <cstdint>

namespace zuk::highlight {

// The contrast ratio text should have against its background: the WCAG level
// for normal text.
inline constexpr double kMinTextContrast = 4.5;

// The relative luminance of a plain colour (0x00BBGGRR), 0 for black to 1 for
// white, by the sRGB formula of WCAG 2.
double relativeLuminance(int32_t colour);

// The WCAG contrast ratio of two plain colours: 1 (the same luminance) to 21
// (black and white), the same whichever is given first.
double contrastRatio(int32_t a, int32_t b);

// `fore` when it has at least `minRatio` against `back`; otherwise the colour
// nearest to it on its way to white (on a dark background) or to black (on a
// light one) that has. A ratio no colour reaches gives white or black. System
// colours (negative) are returned as they are.
int32_t readableColour(int32_t fore, int32_t back, double minRatio = kMinTextContrast);

} // namespace zuk::highlight
