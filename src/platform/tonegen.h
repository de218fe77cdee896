#pragma once

#include <cstdint>
#include <vector>

namespace zuk::platform {

// A synthesised note: waveform, pitch, length and an ADSR envelope given the
// way the sound settings store it (Attack, Decay and Release as 100 minus the
// percentage of the note they take, Sustain as the held level in percent).
struct ToneParams {
    int waveform = 0; // 0 sine, 1 square, 2 triangle, 3 sawtooth, 4 noise
    int frequency = 440;
    int durationMs = 100;
    int attack = 90, decay = 80, sustain = 50, release = 100;
    int resolution = 0; // 0: 16-bit samples, 1: 8-bit samples (coarser steps)
    int quality = 1;    // 0: 11025 Hz, otherwise 22050 Hz
};

int sampleRateFor(int quality);

// The level of the envelope (0..1) at sample `i` of `count`.
double envelopeAt(const ToneParams& p, long i, long count);

// Mono signed 16-bit samples of the note. Values outside their range are clamped
// (negative lengths give silence, frequencies above the Nyquist limit are held
// there), so any stored settings produce a playable sound.
std::vector<int16_t> synthesizeTone(const ToneParams& p, uint32_t noiseSeed = 1);

// The two built-in key clicks: a short typewriter tick, and a lower thump for Enter.
std::vector<int16_t> synthesizeClick(bool enter, int sampleRate);

} // namespace zuk::platform
