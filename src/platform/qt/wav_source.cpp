#include "platform/qt/wav_source.h"

#include <algorithm>

namespace kelmo::platform {

namespace {
constexpr int kPackedBits = 24;
constexpr int kPackedBytes = 3;
constexpr int kWideBytes = 4;
constexpr qint64 kLargestPiece = 1 << 16;  // bytes read from the file at once
}  // namespace

WavSource::WavSource(WavReader reader, QObject* parent)
    : QIODevice(parent), reader_(std::move(reader)) {
    open(QIODevice::ReadOnly);
}

QAudioFormat WavSource::audioFormat() const {
    const WavFormat& wav = reader_.format();
    QAudioFormat format;
    format.setSampleRate(wav.sampleRate);
    format.setChannelCount(wav.channels);
    if (wav.floatingPoint)
        format.setSampleFormat(QAudioFormat::Float);
    else if (wav.bitsPerSample == 8)
        format.setSampleFormat(QAudioFormat::UInt8);
    else if (wav.bitsPerSample == 16)
        format.setSampleFormat(QAudioFormat::Int16);
    else
        format.setSampleFormat(QAudioFormat::Int32);  // 24 bits are widened
    return format;
}

qint64 WavSource::readData(char* data, qint64 maxSize) {
    if (reader_.format().bitsPerSample == kPackedBits) return readWidened(data, maxSize);
    return static_cast<qint64>(
        reader_.read(data, static_cast<std::size_t>(std::min(maxSize, kLargestPiece))));
}

// Each 3-byte little-endian sample becomes the upper three bytes of a 4-byte one.
qint64 WavSource::readWidened(char* data, qint64 maxSize) {
    const qint64 samples = std::min(maxSize, kLargestPiece) / kWideBytes;
    packed_.resize(static_cast<std::size_t>(samples * kPackedBytes));
    const std::size_t got = reader_.read(packed_.data(), packed_.size());
    const std::size_t count = got / kPackedBytes;
    for (std::size_t i = 0; i < count; ++i) {
        char* out = data + i * kWideBytes;
        out[0] = 0;
        std::copy_n(packed_.data() + i * kPackedBytes, kPackedBytes, out + 1);
    }
    return static_cast<qint64>(count * kWideBytes);
}

}  // namespace kelmo::platform
