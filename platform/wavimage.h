// wavimage.h: reads the PCM format and sample bytes out of an untrusted WAV (RIFF/WAVE) file image.
#pragma once

#include <QByteArrayView>

#include <optional>

namespace quintrel {

enum class WavSampleFormat {
    Unsigned8,
    Signed16LittleEndian,
};

struct WavFormat {
    WavSampleFormat sampleFormat = WavSampleFormat::Signed16LittleEndian;
    int channels = 0;
    int sampleRateHz = 0;

    int bytesPerFrame() const;
};

struct WavImage {
    WavFormat format;
    // Whole sample frames only; points into the image that was parsed, so it lives as long as that image.
    QByteArrayView samples;

    qsizetype frameCount() const { return samples.size() / format.bytesPerFrame(); }
};

constexpr int MinWavSampleRateHz = 4000;
constexpr int MaxWavSampleRateHz = 192000;

// Accepts PCM (plain or WAVE_FORMAT_EXTENSIBLE with the PCM subformat), 8-bit unsigned or 16-bit signed,
// mono or stereo, at a sample rate within the bounds above, with a 'fmt ' chunk ahead of the 'data' chunk.
// A data chunk cut short by the end of the image yields the whole frames it still holds. Every other image,
// including one whose chunk sizes point past its end before the data, yields nothing. Never reads outside
// the image.
std::optional<WavImage> parseWavImage(QByteArrayView image);

} // namespace quintrel
