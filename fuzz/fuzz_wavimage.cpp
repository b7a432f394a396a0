// fuzz_wavimage.cpp: libFuzzer target feeding arbitrary bytes to the WAV image parser.
#include "platform/wavimage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView image(data, qsizetype(size));
    const std::optional<quintrel::WavImage> wav = quintrel::parseWavImage(image);
    if (!wav)
        return 0;

    const quintrel::WavFormat &format = wav->format;
    if (format.channels < 1 || format.channels > 2 || format.sampleRateHz < quintrel::MinWavSampleRateHz
        || format.sampleRateHz > quintrel::MaxWavSampleRateHz)
        __builtin_trap();
    if (wav->samples.size() % format.bytesPerFrame() != 0)
        __builtin_trap();
    if (!wav->samples.isEmpty()
        && (wav->samples.data() < image.data() || wav->samples.data() + wav->samples.size() > image.data() + size))
        __builtin_trap();

    // Touch every sample byte so that AddressSanitizer sees any view reaching past the input.
    volatile unsigned char sum = 0;
    for (char byte : wav->samples)
        sum = static_cast<unsigned char>(sum + static_cast<unsigned char>(byte));
    return 0;
}
