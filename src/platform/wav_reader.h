// Reading a RIFF/WAVE sound file piece by piece, for playing it with bounded memory. The header
// sizes are never trusted: a RIFF or data size of 0xFFFFFFFF (what a streaming writer leaves
// behind) or any size beyond the end of the file means "up to the end of the file", and chunks
// are only ever skipped, never loaded. Only the format chunk (at most 40 bytes) is read whole.
// Plays: PCM of 8, 16, 24 or 32 bits and IEEE float of 32 bits, 1 to 8 channels, also in the
// extensible layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>

namespace kelmo::platform {

struct WavFormat {
    int channels = 0;
    int sampleRate = 0;     // frames per second
    int bitsPerSample = 0;  // 8, 16, 24 or 32
    bool floatingPoint = false;
    int blockAlign = 0;  // bytes per frame: channels x bitsPerSample / 8
};

class WavReader {
  public:
    // Reads the header from in (the stream must be seekable); the stream is kept for read().
    explicit WavReader(std::unique_ptr<std::istream> in);
    // The file at path (the system's bytes).
    static WavReader open(const std::string& path);

    // Empty when the file holds sound this reader plays; else why not (English, one line).
    const std::string& error() const { return error_; }
    bool ok() const { return error_.empty(); }
    const WavFormat& format() const { return format_; }
    // Bytes of whole frames of sound data present in the file.
    std::uint64_t dataBytes() const { return dataBytes_; }
    double durationSeconds() const;

    // Copies the next sound data, whole frames only, at most maxBytes, into out and returns
    // the bytes copied; 0 at the end (or when the file has become shorter since it was opened).
    std::size_t read(char* out, std::size_t maxBytes);
    bool atEnd() const { return done_ >= dataBytes_; }

  private:
    void readHeader();
    bool readFormat(std::uint64_t bodyStart, std::uint64_t chunkBytes);
    std::uint64_t readAt(std::uint64_t offset, char* out, std::uint64_t bytes);

    std::unique_ptr<std::istream> in_;
    std::uint64_t fileBytes_ = 0;
    std::string error_;
    WavFormat format_;
    std::uint64_t dataStart_ = 0;
    std::uint64_t dataBytes_ = 0;
    std::uint64_t done_ = 0;
};

}  // namespace kelmo::platform
