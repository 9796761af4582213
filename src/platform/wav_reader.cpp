#include "platform/wav_reader.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>

namespace kelmo::platform {

namespace {

constexpr std::uint64_t kRiffHeaderBytes = 12;  // "RIFF", size, "WAVE"
constexpr std::uint64_t kChunkHeaderBytes = 8;  // id, size
constexpr std::uint64_t kPlainFormatBytes = 16;
constexpr std::uint64_t kExtensibleFormatBytes = 40;
constexpr int kMaxChunksBeforeData = 1024;  // a file of tiny chunks is not read to its end
constexpr int kMaxChannels = 8;
constexpr int kMinSampleRate = 1000;
constexpr int kMaxSampleRate = 384000;
constexpr unsigned kFormatPcm = 1;
constexpr unsigned kFormatFloat = 3;
constexpr unsigned kFormatExtensible = 0xFFFE;
constexpr std::size_t kSubFormatOffset = 24;  // the GUID's first two bytes: the format code

unsigned le16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return b[0] | (b[1] << 8);
}

std::uint32_t le32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
           (std::uint32_t(b[3]) << 24);
}

bool playableBits(unsigned bits, bool floatingPoint) {
    if (floatingPoint) return bits == 32;
    return bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

WavReader::WavReader(std::unique_ptr<std::istream> in) : in_(std::move(in)) {
    readHeader();
}

WavReader WavReader::open(const std::string& path) {
    auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!file->is_open()) {
        WavReader reader(nullptr);
        reader.error_ = "the file cannot be opened";
        return reader;
    }
    return WavReader(std::move(file));
}

double WavReader::durationSeconds() const {
    if (!ok()) return 0.0;
    return static_cast<double>(dataBytes_) / format_.blockAlign / format_.sampleRate;
}

std::uint64_t WavReader::readAt(std::uint64_t offset, char* out, std::uint64_t bytes) {
    if (offset >= fileBytes_) return 0;
    in_->clear();
    in_->seekg(static_cast<std::streamoff>(offset));
    in_->read(out, static_cast<std::streamsize>(std::min(bytes, fileBytes_ - offset)));
    return static_cast<std::uint64_t>(std::max<std::streamsize>(in_->gcount(), 0));
}

void WavReader::readHeader() {
    if (!in_ || !*in_) {
        error_ = "the file cannot be read";
        return;
    }
    in_->seekg(0, std::ios::end);
    const std::streamoff end = in_->tellg();
    fileBytes_ = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    std::array<char, kRiffHeaderBytes> riff{};
    if (readAt(0, riff.data(), riff.size()) != riff.size() ||
        std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
        error_ = "not a WAV file (no RIFF/WAVE header)";
        return;
    }
    // The RIFF size is not used: the chunks are walked up to the end of the file.
    bool formatSeen = false;
    std::uint64_t pos = kRiffHeaderBytes;
    for (int chunk = 0; chunk < kMaxChunksBeforeData; ++chunk) {
        std::array<char, kChunkHeaderBytes> header{};
        if (readAt(pos, header.data(), header.size()) != header.size()) break;
        const std::uint64_t size = le32(header.data() + 4);
        const std::uint64_t body = pos + kChunkHeaderBytes;
        if (std::memcmp(header.data(), "fmt ", 4) == 0) {
            if (!readFormat(body, size)) return;
            formatSeen = true;
        } else if (std::memcmp(header.data(), "data", 4) == 0) {
            if (!formatSeen) {
                error_ = "the sound data comes before its format";
                return;
            }
            dataStart_ = body;
            const std::uint64_t present = std::min(size, fileBytes_ - std::min(body, fileBytes_));
            dataBytes_ = present - present % static_cast<std::uint64_t>(format_.blockAlign);
            if (dataBytes_ == 0) error_ = "the file holds no sound data";
            return;
        }
        pos = body + size + (size & 1);  // chunks are padded to an even size
    }
    error_ = formatSeen ? "the file holds no sound data" : "the file has no format chunk";
}

bool WavReader::readFormat(std::uint64_t bodyStart, std::uint64_t chunkBytes) {
    std::array<char, kExtensibleFormatBytes> f{};
    const std::uint64_t wanted = std::min<std::uint64_t>(chunkBytes, f.size());
    if (chunkBytes < kPlainFormatBytes || readAt(bodyStart, f.data(), wanted) != wanted) {
        error_ = "the format chunk is too short";
        return false;
    }
    unsigned tag = le16(f.data());
    if (tag == kFormatExtensible) {
        tag = wanted == kExtensibleFormatBytes ? le16(f.data() + kSubFormatOffset) : 0;
    }
    WavFormat format;
    format.floatingPoint = tag == kFormatFloat;
    format.channels = static_cast<int>(le16(f.data() + 2));
    const std::uint32_t rate = le32(f.data() + 4);
    format.blockAlign = static_cast<int>(le16(f.data() + 12));
    format.bitsPerSample = static_cast<int>(le16(f.data() + 14));
    if (tag != kFormatPcm && tag != kFormatFloat) {
        error_ = "not plain PCM sound (compressed WAV)";
        return false;
    }
    if (format.channels < 1 || format.channels > kMaxChannels || rate < kMinSampleRate ||
        rate > kMaxSampleRate ||
        !playableBits(static_cast<unsigned>(format.bitsPerSample), format.floatingPoint) ||
        format.blockAlign != format.channels * format.bitsPerSample / 8) {
        error_ = "unsupported WAV format (channels, rate or sample size)";
        return false;
    }
    format.sampleRate = static_cast<int>(rate);
    format_ = format;
    return true;
}

std::size_t WavReader::read(char* out, std::size_t maxBytes) {
    if (!ok() || atEnd()) return 0;
    const auto frame = static_cast<std::uint64_t>(format_.blockAlign);
    std::uint64_t wanted = std::min<std::uint64_t>(maxBytes, dataBytes_ - done_);
    wanted -= wanted % frame;
    if (wanted == 0) return 0;  // room for less than one frame
    const std::uint64_t got = readAt(dataStart_ + done_, out, wanted);
    const std::uint64_t whole = got - got % frame;
    if (whole == 0) {
        done_ = dataBytes_;  // the file ended early: nothing more will come
        return 0;
    }
    done_ += whole;
    return static_cast<std::size_t>(whole);
}

}  // namespace kelmo::platform
