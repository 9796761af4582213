// The WAV reader: formats it plays, header sizes it must not trust (streaming writers' 0xFFFFFFFF,
// sizes past the end of the file, odd remainders), the files it refuses with a reason, and
// reading in pieces of whole frames. The files are built here byte by byte after the RIFF/WAVE
// layout (Microsoft's "Multimedia Programming Interface and Data Specifications 1.0", and
// WAVE_FORMAT_EXTENSIBLE of mmreg.h), so the expected sizes are those of the bytes written.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "platform/wav_reader.h"

using namespace kelmo::platform;

namespace {

constexpr std::uint32_t kStreaming = 0xFFFFFFFF;

std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string chunk(const std::string& id, const std::string& body, std::uint32_t size) {
    return id + le(size, 4) + body;
}
std::string chunk(const std::string& id, const std::string& body) {
    std::string out = chunk(id, body, static_cast<std::uint32_t>(body.size()));
    return body.size() % 2 ? out + '\0' : out;
}

struct Fmt {
    unsigned tag = 1, channels = 1, rate = 8000, bits = 16;
    int blockAlign = -1;  // -1: channels x bits / 8
};
std::string fmtBody(const Fmt& f) {
    const unsigned align = f.blockAlign < 0 ? f.channels * f.bits / 8 : unsigned(f.blockAlign);
    return le(f.tag, 2) + le(f.channels, 2) + le(f.rate, 4) + le(f.rate * align, 4) + le(align, 2) +
           le(f.bits, 2);
}
// The extensible layout: cbSize 22, valid bits, channel mask, then the sub-format GUID.
std::string extensibleBody(const Fmt& f, unsigned subFormat) {
    Fmt outer = f;
    outer.tag = 0xFFFE;
    return fmtBody(outer) + le(22, 2) + le(f.bits, 2) + le(3, 4) + le(subFormat, 2) +
           std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
}

std::string samples(std::size_t bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes; ++i) out += static_cast<char>(i * 7 + 1);
    return out;
}

std::string wav(const std::string& chunks, std::uint32_t riffSize = 0) {
    const auto size = riffSize ? riffSize : static_cast<std::uint32_t>(chunks.size() + 4);
    return "RIFF" + le(size, 4) + "WAVE" + chunks;
}

WavReader readerOf(const std::string& bytes) {
    return WavReader(std::make_unique<std::istringstream>(bytes));
}

std::string readAll(WavReader& reader, std::size_t piece) {
    std::string out;
    std::vector<char> buffer(piece);
    while (std::size_t n = reader.read(buffer.data(), buffer.size())) out.append(buffer.data(), n);
    return out;
}

}  // namespace

struct PlayableCase {
    const char* what;
    std::string file;
    std::string expectedData;
    int channels, rate, bits;
    bool floatingPoint;
};

TEST(WavReader, PlaysTheDataThatIsThereWhateverTheHeaderSays) {
    const Fmt mono16;
    const Fmt stereo16{1, 2, 44100, 16};
    const std::string data200 = samples(200);
    const PlayableCase cases[] = {
        {"plain", wav(chunk("fmt ", fmtBody(mono16)) + chunk("data", data200)), data200, 1, 8000,
         16, false},
        {"streaming writer's sizes",
         wav(chunk("fmt ", fmtBody(mono16)) + chunk("data", data200, kStreaming), kStreaming),
         data200, 1, 8000, 16, false},
        {"data size past the end",
         wav(chunk("fmt ", fmtBody(mono16)) + chunk("data", data200, 1u << 30)), data200, 1, 8000,
         16, false},
        {"data size short of the file: the rest is another chunk",
         wav(chunk("fmt ", fmtBody(mono16)) + chunk("data", data200.substr(0, 20)) +
             chunk("LIST", "INFOsomething")),
         data200.substr(0, 20), 1, 8000, 16, false},
        {"half a frame at the end is left out",
         wav(chunk("fmt ", fmtBody(stereo16)) + chunk("data", samples(101), kStreaming)),
         samples(100), 2, 44100, 16, false},
        {"odd-sized chunk before the format, padded",
         wav(chunk("junk", "abc") + chunk("fmt ", fmtBody(mono16)) + chunk("data", data200)),
         data200, 1, 8000, 16, false},
        {"extensible PCM, 24 bits",
         wav(chunk("fmt ", extensibleBody({1, 2, 48000, 24}, 1)) + chunk("data", samples(60))),
         samples(60), 2, 48000, 24, false},
        {"IEEE float", wav(chunk("fmt ", fmtBody({3, 1, 22050, 32})) + chunk("data", samples(40))),
         samples(40), 1, 22050, 32, true},
        {"8-bit", wav(chunk("fmt ", fmtBody({1, 1, 11025, 8})) + chunk("data", samples(9))),
         samples(9), 1, 11025, 8, false},
    };
    for (const PlayableCase& c : cases) {
        SCOPED_TRACE(c.what);
        WavReader reader = readerOf(c.file);
        ASSERT_TRUE(reader.ok()) << reader.error();
        EXPECT_EQ(reader.format().channels, c.channels);
        EXPECT_EQ(reader.format().sampleRate, c.rate);
        EXPECT_EQ(reader.format().bitsPerSample, c.bits);
        EXPECT_EQ(reader.format().floatingPoint, c.floatingPoint);
        EXPECT_EQ(reader.dataBytes(), c.expectedData.size());
        EXPECT_DOUBLE_EQ(reader.durationSeconds(),
                         double(c.expectedData.size()) / (c.channels * c.bits / 8) / c.rate);
        EXPECT_EQ(readAll(reader, 4096), c.expectedData);
        EXPECT_TRUE(reader.atEnd());
    }
}

TEST(WavReader, RefusesWhatItCannotPlayWithAReason) {
    const Fmt mono16;
    const std::string fmt = chunk("fmt ", fmtBody(mono16));
    const std::string data = chunk("data", samples(20));
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"no RIFF", "RIFX" + le(40, 4) + "WAVE" + fmt + data},
        {"not WAVE", "RIFF" + le(40, 4) + "AVI " + fmt + data},
        {"no format chunk", wav(data)},
        {"data before format", wav(data + fmt)},
        {"no data chunk", wav(fmt)},
        {"empty data", wav(fmt + chunk("data", ""))},
        {"format chunk of 14 bytes", wav(chunk("fmt ", fmtBody(mono16).substr(0, 14)) + data)},
        {"format chunk cut by the end of the file", wav(chunk("fmt ", "abcd", 16))},
        {"ADPCM", wav(chunk("fmt ", fmtBody({2, 1, 8000, 4})) + data)},
        {"no channels", wav(chunk("fmt ", fmtBody({1, 0, 8000, 16})) + data)},
        {"nine channels", wav(chunk("fmt ", fmtBody({1, 9, 8000, 16})) + data)},
        {"rate 0", wav(chunk("fmt ", fmtBody({1, 1, 0, 16})) + data)},
        {"12 bits", wav(chunk("fmt ", fmtBody({1, 1, 8000, 12})) + data)},
        {"64-bit float", wav(chunk("fmt ", fmtBody({3, 1, 8000, 64})) + data)},
        {"block align that is not the frame",
         wav(chunk("fmt ", fmtBody({1, 1, 8000, 16, 3})) + data)},
        {"extensible without its sub-format",
         wav(chunk("fmt ", fmtBody({0xFFFE, 1, 8000, 16})) + data)},
        {"extensible MP3", wav(chunk("fmt ", extensibleBody(mono16, 0x55)) + data)},
        {"a chunk whose size runs past the end hides the data",
         wav(fmt + chunk("LIST", "x", kStreaming) + data)},
    };
    for (const auto& [what, bytes] : cases) {
        SCOPED_TRACE(what);
        WavReader reader = readerOf(bytes);
        EXPECT_FALSE(reader.ok());
        EXPECT_FALSE(reader.error().empty());
        char buffer[16];
        EXPECT_EQ(reader.read(buffer, sizeof buffer), 0u);
    }
    const WavReader missing = WavReader::open("/nonexistent/Athan.wav");
    EXPECT_EQ(missing.error(), "the file cannot be opened");
}

TEST(WavReader, ReadsWholeFramesPieceByPiece) {
    const std::string data = samples(40);  // ten stereo 16-bit frames
    WavReader reader =
        readerOf(wav(chunk("fmt ", fmtBody({1, 2, 8000, 16})) + chunk("data", data)));
    ASSERT_TRUE(reader.ok());
    char buffer[16];
    EXPECT_EQ(reader.read(buffer, 3), 0u);  // less than a frame: nothing, and not the end
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.read(buffer, 7), 4u);
    EXPECT_EQ(std::string(buffer, 4), data.substr(0, 4));
    EXPECT_EQ(readAll(reader, 7), data.substr(4));
}
