// wavimage.cpp: the bounds-checked RIFF/WAVE chunk walk behind parseWavImage.
#include "platform/wavimage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quintrel {

namespace {

constexpr std::uint16_t FormatPcm = 0x0001;
constexpr std::uint16_t FormatExtensible = 0xFFFE;
constexpr qsizetype PlainFmtSize = 16;
constexpr qsizetype ExtensibleFmtSize = 40;
constexpr qsizetype ChunkHeaderSize = 8;

// KSDATAFORMAT_SUBTYPE_PCM as it lies in the file.
constexpr unsigned char PcmSubformat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                            0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

std::uint16_t readU16(QByteArrayView bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data()) + at;
    return std::uint16_t(p[0] | (p[1] << 8));
}

std::uint32_t readU32(QByteArrayView bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data()) + at;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

bool hasId(QByteArrayView bytes, qsizetype at, const char (&id)[5])
{
    return std::memcmp(bytes.data() + at, id, 4) == 0;
}

std::optional<WavFormat> parseFmt(QByteArrayView body)
{
    if (body.size() < PlainFmtSize)
        return std::nullopt;

    const std::uint16_t formatTag = readU16(body, 0);
    const std::uint16_t channels = readU16(body, 2);
    const std::uint32_t sampleRate = readU32(body, 4);
    const std::uint16_t blockAlign = readU16(body, 12);
    const std::uint16_t bitsPerSample = readU16(body, 14);

    if (formatTag == FormatExtensible) {
        if (body.size() < ExtensibleFmtSize || readU16(body, 16) < ExtensibleFmtSize - 18)
            return std::nullopt;
        const std::uint16_t validBits = readU16(body, 18);
        if (validBits == 0 || validBits > bitsPerSample)
            return std::nullopt;
        if (std::memcmp(body.data() + 24, PcmSubformat, sizeof PcmSubformat) != 0)
            return std::nullopt;
    } else if (formatTag != FormatPcm) {
        return std::nullopt;
    }

    WavFormat format;
    if (bitsPerSample == 8)
        format.sampleFormat = WavSampleFormat::Unsigned8;
    else if (bitsPerSample == 16)
        format.sampleFormat = WavSampleFormat::Signed16LittleEndian;
    else
        return std::nullopt;

    if (channels < 1 || channels > 2)
        return std::nullopt;
    if (sampleRate < std::uint32_t(MinWavSampleRateHz) || sampleRate > std::uint32_t(MaxWavSampleRateHz))
        return std::nullopt;
    format.channels = channels;
    format.sampleRateHz = int(sampleRate);

    // The frame size drives every later length calculation, so a header that disagrees with itself is refused
    // rather than guessed at.
    if (blockAlign != format.bytesPerFrame())
        return std::nullopt;
    return format;
}

} // namespace

int WavFormat::bytesPerFrame() const { return channels * (sampleFormat == WavSampleFormat::Unsigned8 ? 1 : 2); }

std::optional<WavImage> parseWavImage(QByteArrayView image)
{
    if (image.size() < 12 || !hasId(image, 0, "RIFF") || !hasId(image, 8, "WAVE"))
        return std::nullopt;

    // The RIFF size field is not used to bound the walk: writers that stream often leave it 0 or stale, and
    // the image's own end is the only limit that matters for safety.
    std::optional<WavFormat> format;
    qsizetype pos = 12;
    while (image.size() - pos >= ChunkHeaderSize) {
        const std::uint32_t declaredSize = readU32(image, pos + 4);
        const qsizetype bodyStart = pos + ChunkHeaderSize;
        const qsizetype available = image.size() - bodyStart;

        if (hasId(image, pos, "data")) {
            if (!format)
                return std::nullopt;
            // A data chunk cut short (a trimmed file, an interrupted copy) still plays what it holds.
            qsizetype length = qsizetype(std::min<std::uint64_t>(declaredSize, std::uint64_t(available)));
            length -= length % format->bytesPerFrame();
            return WavImage{*format, image.sliced(bodyStart, length)};
        }

        if (std::uint64_t(declaredSize) > std::uint64_t(available))
            return std::nullopt;

        if (hasId(image, pos, "fmt ")) {
            if (format)
                return std::nullopt;
            format = parseFmt(image.sliced(bodyStart, declaredSize));
            if (!format)
                return std::nullopt;
        }

        // Chunks are padded to an even length; the pad byte may be missing after the last one.
        const std::uint64_t next = std::uint64_t(bodyStart) + declaredSize + (declaredSize & 1u);
        if (next >= std::uint64_t(image.size()))
            break;
        pos = qsizetype(next);
    }
    return std::nullopt;
}

} // namespace quintrel
