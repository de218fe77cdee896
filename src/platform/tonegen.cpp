#include "platform/tonegen.h"

#include <algorithm>
#include <cmath>

namespace zuk::platform {

namespace {

constexpr double kPi = 3.14159265358979323846;

int clampPercent(int v)
{
    return std::clamp(v, 0, 100);
}

double waveAt(int waveform, double phase, uint32_t& noise)
{
    switch (waveform) {
    case 1:
        return phase < 0.5 ? 1.0 : -1.0;
    case 2:
        return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
    case 3:
        return 2.0 * phase - 1.0;
    case 4:
        noise = noise * 1664525u + 1013904223u;
        return static_cast<double>(noise >> 8) / static_cast<double>(1u << 23) - 1.0;
    default:
        return std::sin(2.0 * kPi * phase);
    }
}

} // namespace

int sampleRateFor(int quality)
{
    return quality == 0 ? 11025 : 22050;
}

double envelopeAt(const ToneParams& p, long i, long count)
{
    if (count <= 0)
        return 0.0;
    // The shares of the note, scaled down together when they exceed the whole.
    double a = 100 - clampPercent(p.attack);
    double d = 100 - clampPercent(p.decay);
    double r = 100 - clampPercent(p.release);
    const double total = a + d + r;
    if (total > 100) {
        a = a * 100 / total;
        d = d * 100 / total;
        r = r * 100 / total;
    }
    const double level = clampPercent(p.sustain) / 100.0;
    const double t = 100.0 * static_cast<double>(i) / static_cast<double>(count);
    if (t < a)
        return t / a;
    if (t < a + d)
        return 1.0 - (1.0 - level) * (t - a) / d;
    if (t < 100 - r)
        return level;
    return r > 0 ? level * (100 - t) / r : level;
}

std::vector<int16_t> synthesizeTone(const ToneParams& p, uint32_t noiseSeed)
{
    const int rate = sampleRateFor(p.quality);
    const long count = static_cast<long>(std::clamp(p.durationMs, 0, 10000)) * rate / 1000;
    const double frequency = std::clamp(p.frequency, 1, rate / 2);
    std::vector<int16_t> samples(static_cast<size_t>(count));
    uint32_t noise = noiseSeed;
    double phase = 0.0;
    const double step = frequency / rate;
    for (long i = 0; i < count; ++i) {
        double v = waveAt(p.waveform, phase, noise) * envelopeAt(p, i, count) * 0.6;
        if (p.resolution == 1)
            v = std::round(v * 127.0) / 127.0; // the steps of 8-bit sound
        samples[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(v * 32767.0));
        phase += step;
        if (phase >= 1.0)
            phase -= 1.0;
    }
    return samples;
}

std::vector<int16_t> synthesizeClick(bool enter, int sampleRate)
{
    const int ms = enter ? 45 : 12;
    const long count = static_cast<long>(ms) * sampleRate / 1000;
    std::vector<int16_t> samples(static_cast<size_t>(count));
    uint32_t noise = enter ? 7u : 3u;
    for (long i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double decay = std::exp(-t * (enter ? 90.0 : 600.0));
        double v = waveAt(4, 0.0, noise) * 0.5;
        if (enter)
            v = 0.6 * std::sin(2.0 * kPi * 140.0 * t) + 0.25 * v;
        samples[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(v * decay * 26000.0));
    }
    return samples;
}

} // namespace zuk::platform
