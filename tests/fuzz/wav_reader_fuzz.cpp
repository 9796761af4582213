// libFuzzer target: any bytes as a WAV file for the sound player's reader. It must never read
// past the end of its input nor claim more sound than the input holds, hand out only whole
// frames, and end; a file it accepts has a format the player can describe.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "platform/wav_reader.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

constexpr std::size_t kPiece = 1000;  // not a multiple of most frame sizes

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kelmo::platform::WavReader;
    WavReader reader(std::make_unique<std::istringstream>(
        std::string(reinterpret_cast<const char*>(data), size)));
    if (!reader.ok()) {
        require(!reader.error().empty());
        return 0;
    }
    const auto& format = reader.format();
    require(format.channels >= 1 && format.sampleRate > 0 && format.blockAlign > 0);
    require(format.blockAlign == format.channels * format.bitsPerSample / 8);
    require(reader.dataBytes() > 0 && reader.dataBytes() <= size);
    require(reader.dataBytes() % static_cast<std::uint64_t>(format.blockAlign) == 0);
    char buffer[kPiece];
    std::uint64_t total = 0;
    while (std::size_t n = reader.read(buffer, sizeof buffer)) {
        require(n % static_cast<std::size_t>(format.blockAlign) == 0 && n <= sizeof buffer);
        total += n;
        require(total <= reader.dataBytes());
    }
    require(total == reader.dataBytes() && reader.atEnd());
    return 0;
}
