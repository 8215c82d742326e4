// SPDX-License-Identifier: MIT
#include "tools/assetgen/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/assetgen/byte_sink.h"

namespace assetgen {

namespace {

constexpr double kRate = 22050;
constexpr double kTwoPi = 2 * std::numbers::pi;

using Signal = std::vector<double>;

double midiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12);
}

// A brass-like note: a stack of harmonics whose upper partials open up during the attack,
// with a soft attack, a gentle decay to a sustain level and a short release. Vibrato starts
// after vibratoDelay seconds; bend lowers the pitch by that many semitones over the note.
struct Note {
    double start;   // seconds
    double length;  // seconds, release included
    double pitch;   // MIDI note number
    double level;   // peak amplitude before mixing
    double vibratoDelay = 10;
    double bend = 0;
};

void addBrass(Signal &out, const Note &n) {
    const int first = int(std::lround(n.start * kRate));
    const int count = int(std::lround(n.length * kRate));
    const double attack = 0.03;
    const double release = std::min(0.12, n.length / 3);
    double phase = 0;
    for (int i = 0; i < count && first + i < int(out.size()); ++i) {
        const double t = i / kRate;
        double envelope = t < attack ? std::sin(0.5 * std::numbers::pi * t / attack)
                                     : 0.78 + 0.22 * std::exp(-(t - attack) / 0.08);
        if (t > n.length - release) envelope *= std::max(0.0, (n.length - t) / release);
        const double vibrato =
            t > n.vibratoDelay ? 0.25 * std::min(1.0, (t - n.vibratoDelay) / 0.15) : 0.0;
        const double pitch = n.pitch - n.bend * t / n.length + vibrato * std::sin(kTwoPi * 5.5 * t);
        phase += kTwoPi * midiToHz(pitch) / kRate;
        // Brightness rises in the attack and settles back.
        const double bright = 0.55 + 0.45 * std::exp(-t / 0.12);
        double sample = 0;
        double weight = 1;
        for (int h = 1; h <= 7; ++h) {
            sample += weight * std::sin(h * phase);
            weight *= bright * 0.72;
        }
        out[size_t(first + i)] += n.level * envelope * sample / 2.2;
    }
}

// Scales the signal so that its largest excursion is peak (of full scale 1).
void normalise(Signal &s, double peak) {
    double max = 0;
    for (double v : s) max = std::max(max, std::abs(v));
    if (max > 0)
        for (double &v : s) v *= peak / max;
}

// Short fades at both ends keep the edges free of clicks.
void fadeEdges(Signal &s, double fadeIn, double fadeOut) {
    const int in = int(fadeIn * kRate);
    const int out = int(fadeOut * kRate);
    for (int i = 0; i < in && i < int(s.size()); ++i) s[size_t(i)] *= double(i) / in;
    for (int i = 0; i < out && i < int(s.size()); ++i)
        s[s.size() - 1 - size_t(i)] *= double(i) / out;
}

QByteArray toUnsigned8(const Signal &s) {
    QByteArray out;
    out.reserve(qsizetype(s.size()));
    for (double v : s) out.append(char(quint8(std::clamp(std::lround(128 + 127 * v), 1L, 255L))));
    return out;
}

QByteArray toSigned16(const Signal &s) {
    QByteArray out;
    ByteSink sink(out);
    for (double v : s)
        sink.u16(quint16(qint16(std::clamp(std::lround(32767 * v), -32767L, 32767L))));
    return out;
}

// A deterministic noise source for the click's strike.
class Noise {
public:
    double next() {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(m_state >> 11) / double(1ULL << 53) * 2 - 1;
    }

private:
    quint64 m_state = 0x7269'6c65'7400'0001ULL;
};

}  // namespace

QByteArray synthLosingJingle() {
    // The sad trombone: three falling steps, then a long low note that wobbles and sinks.
    Signal s(44624, 0.0);
    addBrass(s, {0.02, 0.40, 62, 1.0});
    addBrass(s, {0.44, 0.40, 61, 0.95});
    addBrass(s, {0.86, 0.40, 60, 0.9});
    addBrass(s, {1.28, 0.74, 59, 1.0, 0.12, 0.6});
    normalise(s, 0.82);
    fadeEdges(s, 0.004, 0.03);
    return toUnsigned8(s);
}

QByteArray synthPlacementClick() {
    // A wooden knock: a few quickly decaying modes of a small block and a brief noise strike.
    Signal s(3511, 0.0);
    Noise noise;
    double lowPass = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        double v = 0.0;
        v += 1.00 * std::exp(-t / 0.030) * std::sin(kTwoPi * 880 * t);
        v += 0.45 * std::exp(-t / 0.014) * std::sin(kTwoPi * 2290 * t + 0.4);
        v += 0.20 * std::exp(-t / 0.008) * std::sin(kTwoPi * 3970 * t + 1.1);
        v += 0.35 * std::exp(-t / 0.045) * std::sin(kTwoPi * 196 * t);
        lowPass += 0.35 * (noise.next() - lowPass);
        v += 0.5 * std::exp(-t / 0.0025) * lowPass;
        s[i] = v * std::min(1.0, t / 0.0008);
    }
    normalise(s, 0.7);
    fadeEdges(s, 0.0, 0.01);
    return toSigned16(s);
}

QByteArray synthWinningFanfare() {
    // A bright rising call, G C E G, an answering E, then a held C major chord.
    Signal s(38963, 0.0);
    addBrass(s, {0.00, 0.14, 67, 0.8});
    addBrass(s, {0.15, 0.14, 72, 0.85});
    addBrass(s, {0.30, 0.14, 76, 0.9});
    addBrass(s, {0.45, 0.30, 79, 1.0});
    addBrass(s, {0.77, 0.14, 76, 0.85});
    for (double note : {72.0, 76.0, 79.0, 84.0})
        addBrass(s, {0.93, 0.83, note, note == 84 ? 0.8 : 0.55, 0.25});
    normalise(s, 0.82);
    fadeEdges(s, 0.002, 0.04);
    return toUnsigned8(s);
}

}  // namespace assetgen
