// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sounds.h"

#include "Bytes.h"

#include <QDir>
#include <QSaveFile>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace {

constexpr double Rate = Sounds::SampleRate;
constexpr double TwoPi = 6.283185307179586;

using Buffer = std::vector<double>;

Buffer silence(double seconds) { return Buffer(size_t(seconds * Rate), 0.0); }

// Adds src into dst starting at a time.
void mix(Buffer& dst, const Buffer& src, double at, double gain = 1.0)
{
    const size_t start = size_t(at * Rate);
    if (dst.size() < start + src.size())
        dst.resize(start + src.size(), 0.0);
    for (size_t i = 0; i < src.size(); ++i)
        dst[start + i] += src[i] * gain;
}

// Attack, then an exponential fall with time constant decay; a short release at the very end.
double envelope(double t, double length, double attack, double decay)
{
    double e = t < attack ? t / attack : std::exp(-(t - attack) / decay);
    const double release = 0.01;
    if (t > length - release)
        e *= std::max(0.0, (length - t) / release);
    return e;
}

// A tone with a few harmonics; freq may glide over time.
Buffer tone(double seconds, const std::function<double(double)>& freq, const std::vector<double>& harmonics,
            double attack, double decay, double vibrato = 0)
{
    Buffer b(size_t(seconds * Rate));
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = i / Rate;
        const double f = freq(t) * (1.0 + vibrato * std::sin(TwoPi * 5.5 * t) * std::min(1.0, t * 4));
        phase += TwoPi * f / Rate;
        double s = 0;
        for (size_t h = 0; h < harmonics.size(); ++h)
            s += harmonics[h] * std::sin(phase * double(h + 1));
        b[i] = s * envelope(t, seconds, attack, decay);
    }
    return b;
}

Buffer constantTone(double seconds, double f, const std::vector<double>& harmonics, double attack, double decay,
                    double vibrato = 0)
{
    return tone(seconds, [f](double) { return f; }, harmonics, attack, decay, vibrato);
}

// A brass-like note: the upper harmonics speak a little after the lower ones, two voices a few
// cents apart give it body, and a gentle vibrato comes in as it is held.
Buffer brass(double seconds, double f, double decay)
{
    Buffer b(size_t(seconds * Rate));
    const double gains[] = {1.0, 0.8, 0.62, 0.45, 0.3, 0.2, 0.12, 0.07};
    double phase[2] = {0, 0};
    const double detune[2] = {0.9983, 1.0017};
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = i / Rate;
        const double vib = 1.0 + 0.005 * std::sin(TwoPi * 5.2 * t) * std::min(1.0, std::max(0.0, t - 0.15) * 3);
        double s = 0;
        for (int v = 0; v < 2; ++v) {
            phase[v] += TwoPi * f * detune[v] * vib / Rate;
            for (int h = 0; h < 8; ++h)
                s += gains[h] * (1.0 - std::exp(-t / (0.006 + 0.01 * h))) * std::sin(phase[v] * (h + 1));
        }
        b[i] = 0.5 * s * envelope(t, seconds, 0.02, decay);
    }
    return b;
}

// A bell: inharmonic partials that die away at different speeds.
Buffer bell(double seconds, double f, double decay)
{
    Buffer b(size_t(seconds * Rate));
    const double ratios[] = {1.0, 2.0, 2.76, 4.07, 5.43};
    const double gains[] = {1.0, 0.5, 0.32, 0.16, 0.08};
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = i / Rate;
        double s = 0;
        for (int k = 0; k < 5; ++k)
            s += gains[k] * std::sin(TwoPi * f * ratios[k] * t) * std::exp(-t / (decay / (1 + k * 0.7)));
        b[i] = s * envelope(t, seconds, 0.002, 1e9);
    }
    return b;
}

// Noise through a one-pole low-pass whose cut-off moves over time.
Buffer noise(double seconds, const std::function<double(double)>& cutoff, double attack, double decay, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    Buffer b(size_t(seconds * Rate));
    double y = 0, y2 = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = i / Rate;
        const double a = 1.0 - std::exp(-TwoPi * cutoff(t) / Rate);
        y += a * (u(rng) - y);
        y2 += a * (y - y2);
        b[i] = y2 * envelope(t, seconds, attack, decay);
    }
    return b;
}

double midiHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// ---------------------------------------------------------------- the effects

// A bright brass fanfare: da-da-da-daaa on a major chord, with a held chord under the last note.
Buffer seikai()
{
    Buffer out = silence(2.6);
    const int notes[] = {67, 67, 67};
    const double starts[] = {0.0, 0.16, 0.32};
    for (int i = 0; i < 3; ++i)
        mix(out, brass(0.14, midiHz(notes[i]), 0.35), starts[i], 0.5);
    mix(out, brass(2.0, midiHz(72), 0.9), 0.5, 0.5);
    for (int n : {60, 64, 67})
        mix(out, brass(1.9, midiHz(n), 0.8), 0.52, 0.2);
    // A low drum note under the held chord.
    mix(out, tone(1.6, [](double) { return 65.4; }, {1.0, 0.5, 0.25}, 0.01, 0.5), 0.5, 0.35);
    // A sparkle of bells on top.
    const int sparkle[] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i)
        mix(out, bell(0.9, midiHz(sparkle[i]), 0.35), 0.55 + 0.08 * i, 0.12);
    return out;
}

// A soft two-note "pip" for choosing something.
Buffer select()
{
    Buffer out = silence(0.2);
    mix(out, constantTone(0.07, midiHz(88), {1.0, 0.2}, 0.003, 0.04), 0.0, 0.6);
    mix(out, constantTone(0.11, midiHz(93), {1.0, 0.2}, 0.003, 0.05), 0.06, 0.6);
    return out;
}

// A right answer: a quick rising chime.
Buffer atari()
{
    Buffer out = silence(0.9);
    mix(out, bell(0.5, midiHz(84), 0.18), 0.0, 0.5);
    mix(out, bell(0.8, midiHz(91), 0.3), 0.09, 0.55);
    mix(out, constantTone(0.6, midiHz(96), {1.0, 0.3}, 0.004, 0.15), 0.09, 0.2);
    return out;
}

// A miss: two low, buzzy notes going down.
Buffer hazure()
{
    Buffer out = silence(0.75);
    const std::vector<double> buzz{1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14, 0.0, 0.1};
    mix(out, tone(0.26, [](double t) { return midiHz(55) * (1.0 - 0.02 * t); }, buzz, 0.01, 0.5), 0.0, 0.45);
    mix(out, tone(0.45, [](double t) { return midiHz(50) * (1.0 - 0.06 * t); }, buzz, 0.01, 0.35, 0.01), 0.3, 0.45);
    return out;
}

// An explosion: a thump and a roar of noise that darkens as it dies.
Buffer bang()
{
    Buffer out = silence(1.45);
    mix(out, noise(1.45, [](double t) { return 3500.0 * std::exp(-t * 3.0) + 180.0; }, 0.003, 0.35, 7), 0.0, 1.0);
    mix(out, tone(0.6, [](double t) { return 70.0 * std::exp(-t * 2.2) + 32.0; }, {1.0, 0.4}, 0.002, 0.18), 0.0, 0.8);
    mix(out, noise(0.5, [](double) { return 6000.0; }, 0.001, 0.05, 11), 0.0, 0.4);
    return out;
}

// A piece dropping into place: a click and a short woody knock.
Buffer gacha()
{
    Buffer out = silence(0.35);
    mix(out, noise(0.05, [](double) { return 5000.0; }, 0.0005, 0.012, 3), 0.0, 0.7);
    mix(out, constantTone(0.18, 820.0, {1.0, 0.0, 0.4, 0.0, 0.1}, 0.001, 0.03), 0.005, 0.5);
    mix(out, noise(0.06, [](double) { return 2500.0; }, 0.0005, 0.015, 5), 0.09, 0.6);
    mix(out, constantTone(0.2, 520.0, {1.0, 0.0, 0.3}, 0.001, 0.04), 0.095, 0.55);
    return out;
}

// A shot: a falling "pew".
Buffer hassha1()
{
    Buffer out = silence(0.36);
    mix(out, tone(0.34, [](double t) { return 1800.0 * std::exp(-t * 7.0) + 220.0; }, {1.0, 0.0, 0.3, 0.0, 0.12},
                  0.002, 0.12),
        0.0, 0.7);
    mix(out, noise(0.08, [](double) { return 4000.0; }, 0.001, 0.02, 9), 0.0, 0.25);
    return out;
}

// Another shot: a springy rising "pyoing".
Buffer hassha2()
{
    Buffer out = silence(0.5);
    mix(out, tone(0.48, [](double t) { return 300.0 + 1400.0 * (1.0 - std::exp(-t * 9.0)); }, {1.0, 0.35, 0.15},
                  0.003, 0.16, 0.03),
        0.0, 0.7);
    return out;
}

// A new question: a friendly "pin-pon" doorbell.
Buffer mondai()
{
    Buffer out = silence(1.3);
    mix(out, bell(0.7, midiHz(81), 0.4), 0.0, 0.55);
    mix(out, bell(1.1, midiHz(76), 0.55), 0.32, 0.55);
    return out;
}

// A stroke written right: a soft, round "pok" with a quiet ring, never louder than a pencil tap
// feels.
Buffer kaku()
{
    Buffer out = silence(0.32);
    mix(out, tone(0.12, [](double t) { return midiHz(79) * (1.0 + 0.25 * std::exp(-t * 60.0)); }, {1.0, 0.08},
                  0.004, 0.035),
        0.0, 0.6);
    mix(out, constantTone(0.3, midiHz(91), {1.0}, 0.006, 0.08), 0.02, 0.12);
    return out;
}

// Today's practice done: a gentle rising run of bells ending on a soft chord, no fanfare.
Buffer yokudekita()
{
    Buffer out = silence(1.6);
    const int run[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i)
        mix(out, bell(0.7, midiHz(run[i]), 0.3), 0.11 * i, 0.3);
    for (int n : {72, 76, 79})
        mix(out, tone(1.1, [n](double) { return midiHz(n); }, {1.0, 0.3, 0.1}, 0.03, 0.45), 0.46, 0.18);
    mix(out, bell(0.9, midiHz(88), 0.4), 0.5, 0.15);
    return out;
}

}  // namespace

QByteArray Sounds::wavFile(const std::vector<double>& samples)
{
    double peak = 1e-9;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    const double gain = 0.89 / peak;
    QByteArray data;
    data.reserve(int(samples.size() * 2));
    for (double s : samples)
        Bytes::put16(data, quint16(qint16(std::lround(std::clamp(s * gain, -1.0, 1.0) * 32767.0))));

    QByteArray out("RIFF");
    Bytes::put32(out, quint32(36 + data.size()));
    out += "WAVEfmt ";
    Bytes::put32(out, 16);
    Bytes::put16(out, 1);  // PCM
    Bytes::put16(out, 1);  // mono
    Bytes::put32(out, SampleRate);
    Bytes::put32(out, SampleRate * 2);
    Bytes::put16(out, 2);
    Bytes::put16(out, 16);
    out += "data";
    Bytes::put32(out, quint32(data.size()));
    out += data;
    return out;
}

QStringList Sounds::writeAll(const QString& dir)
{
    const std::pair<const char*, Buffer (*)()> effects[] = {
        {"Seikai.wav", seikai}, {"Select.wav", select}, {"Atari.wav", atari},
        {"Hazure.wav", hazure}, {"Bang.wav", bang},     {"gacha.wav", gacha},
        {"Hassha1.wav", hassha1}, {"Hassha2.wav", hassha2}, {"Mondai.wav", mondai},
        {"Kaku.wav", kaku}, {"Yokudekita.wav", yokudekita},
    };
    QStringList written;
    for (const auto& [name, make] : effects) {
        const Buffer b = make();
        QSaveFile f(QDir(dir).filePath(QString::fromLatin1(name)));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(wavFile(b));
        if (!f.commit())
            return {};
        written << QStringLiteral("%1 %2 s").arg(QString::fromLatin1(name)).arg(b.size() / Rate, 0, 'f', 2);
    }
    return written;
}
