// Synthesized sounds: the scissors snip of a deal or swap, the click of a turn, and the applause of a win.
#include "generators.h"

#include "imaging.h"

#include <QByteArray>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace quintrel::datagen {

namespace {

constexpr int SampleRateHz = 22050;

// A small fixed pseudo-random generator, so that every run gives the same noise.
class Noise {
public:
    explicit Noise(std::uint32_t seed)
        : m_state(seed ? seed : 1u)
    {
    }
    double next() // uniform in [-1, 1)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return double(m_state) / 2147483648.0 - 1.0;
    }
    double uniform(double lo, double hi) { return lo + (next() + 1.0) * 0.5 * (hi - lo); }

private:
    std::uint32_t m_state;
};

// Band-pass biquad (constant peak gain).
class BandPass {
public:
    BandPass(double centreHz, double q)
    {
        const double w = 2 * M_PI * centreHz / SampleRateHz, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        m_b0 = alpha / a0;
        m_b2 = -alpha / a0;
        m_a1 = -2 * std::cos(w) / a0;
        m_a2 = (1 - alpha) / a0;
    }
    double operator()(double x)
    {
        const double y = m_b0 * x + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_b0, m_b2, m_a1, m_a2;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

std::vector<double> silence(double seconds) { return std::vector<double>(size_t(seconds * SampleRateHz), 0.0); }

// Metallic ringing: a few damped partials starting at a given sample.
void addRing(std::vector<double> &s, size_t start, double amplitude, std::initializer_list<double> partialsHz,
             double decaySeconds)
{
    int k = 0;
    for (double f : partialsHz) {
        const double a = amplitude / (1 + k++);
        for (size_t i = start; i < s.size(); ++i) {
            const double t = double(i - start) / SampleRateHz;
            s[i] += a * std::exp(-t / decaySeconds) * std::sin(2 * M_PI * f * t);
        }
    }
}

// Scales to the given peak, fades both ends so they do not click, and ends on silent samples.
QByteArray toWav(std::vector<double> s, double peak, double fadeInSeconds, double fadeOutSeconds)
{
    double max = 0;
    for (double v : s)
        max = std::max(max, std::abs(v));
    const size_t fadeIn = size_t(fadeInSeconds * SampleRateHz), fadeOut = size_t(fadeOutSeconds * SampleRateHz);
    for (size_t i = 0; i < s.size(); ++i) {
        double gain = peak / max;
        if (i < fadeIn)
            gain *= 0.5 - 0.5 * std::cos(M_PI * double(i) / double(fadeIn));
        if (i + fadeOut >= s.size())
            gain *= 0.5 - 0.5 * std::cos(M_PI * double(s.size() - 1 - i) / double(fadeOut));
        s[i] *= gain;
    }
    s.front() = 0;
    s.insert(s.end(), 16, 0.0);

    QByteArray b;
    auto put16 = [&b](int v) { b.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    auto put32 = [&b](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xff));
    };
    const std::uint32_t dataBytes = std::uint32_t(s.size() * 2);
    b.append("RIFF");
    put32(36 + dataBytes);
    b.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(SampleRateHz);
    put32(SampleRateHz * 2);
    put16(2);
    put16(16);
    b.append("data");
    put32(dataBytes);
    for (double v : s)
        put16(int(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0)));
    return b;
}

QByteArray snip()
{
    // Two blades slide (a rising hiss) and meet (a sharp tick with a short metallic ring).
    std::vector<double> s = silence(0.105);
    Noise noise(0x5a17u);
    BandPass hiss(4200, 2.5), body(2600, 6.0);
    const size_t meet = size_t(0.062 * SampleRateHz);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / SampleRateHz;
        const double slide = i < meet ? std::pow(double(i) / meet, 2.0) * 0.35 : 0.35 * std::exp(-(t - 0.062) / 0.004);
        s[i] += slide * hiss(noise.next());
        if (i >= meet)
            s[i] += 1.3 * std::exp(-(t - 0.062) / 0.0018) * body(noise.next());
    }
    addRing(s, meet, 0.35, {3150, 5230, 7460}, 0.010);
    return toWav(s, 0.80, 0.003, 0.006);
}

QByteArray click()
{
    // A crisp tick: an impulse through two resonances and a short low knock.
    std::vector<double> s = silence(0.030);
    Noise noise(0xc11cu);
    BandPass snap(3800, 4.0);
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / SampleRateHz;
        s[i] += std::exp(-t / 0.0012) * snap(noise.next());
        s[i] += 0.5 * std::exp(-t / 0.005) * std::sin(2 * M_PI * 420 * t);
    }
    addRing(s, 0, 0.30, {1850, 4300}, 0.004);
    return toWav(s, 0.75, 0.0005, 0.008);
}

QByteArray applause()
{
    // A crowd of clappers, each with its own hand size (band), pace and stamina, swelling and dying away.
    std::vector<double> s = silence(2.6);
    Noise rnd(0xa991u);
    const int clappers = 34;
    for (int c = 0; c < clappers; ++c) {
        const double centre = rnd.uniform(900, 2600), q = rnd.uniform(0.9, 2.0);
        const double period = rnd.uniform(0.17, 0.26);
        double t = rnd.uniform(0.0, 0.25);
        const double stop = rnd.uniform(1.5, 2.45);
        const double loudness = rnd.uniform(0.5, 1.0);
        Noise own(0x1000u + std::uint32_t(c) * 7919u);
        while (t < stop) {
            BandPass band(centre * rnd.uniform(0.9, 1.1), q);
            const size_t start = size_t(t * SampleRateHz), length = size_t(0.030 * SampleRateHz);
            const double fade = t > stop - 0.5 ? (stop - t) / 0.5 : 1.0;
            const double swell = std::min(1.0, 0.35 + t / 0.3);
            const double decay = rnd.uniform(0.004, 0.008);
            for (size_t i = 0; i < length && start + i < s.size(); ++i) {
                const double u = double(i) / SampleRateHz;
                s[start + i] += loudness * fade * swell * std::exp(-u / decay) * band(own.next());
            }
            t += period * rnd.uniform(0.85, 1.15);
        }
    }
    return toWav(s, 0.85, 0.01, 0.25);
}

} // namespace

bool Generator::sounds()
{
    const struct {
        const char *name;
        QByteArray bytes;
    } files[] = {{"SNIP1.WAV", snip()}, {"CLICK.WAV", click()}, {"APPLAUS.WAV", applause()}};
    for (const auto &f : files) {
        const QString path = out(QStringLiteral("data/SOUND/") + QLatin1String(f.name));
        if (!writeFile(path, f.bytes))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }
    return true;
}

} // namespace quintrel::datagen
