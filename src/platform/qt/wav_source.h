// The sound data of a WAV file as a sequential device that an audio sink pulls from, read
// piece by piece (the memory used is that of one request of the sink), with 24-bit samples
// widened to the 32-bit samples the sink takes.
#pragma once

#include <QAudioFormat>
#include <QIODevice>
#include <vector>

#include "platform/wav_reader.h"

namespace kelmo::platform {

class WavSource final : public QIODevice {
    Q_OBJECT
  public:
    // reader must be ok(); the device is opened for reading.
    explicit WavSource(WavReader reader, QObject* parent = nullptr);

    // The format of the bytes this device hands out.
    QAudioFormat audioFormat() const;
    double durationSeconds() const { return reader_.durationSeconds(); }

    bool isSequential() const override { return true; }
    bool atEnd() const override { return reader_.atEnd(); }

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    qint64 readWidened(char* data, qint64 maxSize);

    WavReader reader_;
    std::vector<char> packed_;  // 24-bit samples before widening
};

}  // namespace kelmo::platform
