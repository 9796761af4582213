// The sound player on Qt Multimedia: the WAV file is streamed from the disk into an audio
// sink (QAudioSink, pull mode), so that a file of any size, or with a header that lies about
// its size, is played with the memory of one buffer. The end of playback is signalled, not
// polled; a sound that stops making progress is given up after its own length and a margin.
#pragma once

#include <QPointer>
#include <QTimer>

#include "platform/sound_player.h"

class QAudioSink;

namespace kelmo::platform {

class WavSource;

class QtSoundPlayer final : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    bool play(const std::string& file, Listener listener) override;
    void stop() override;
    bool isPlaying() const override;
    std::string failure() const override { return failure_; }

  private:
    bool refuse(const std::string& why);
    void stateChanged();
    void report(Outcome outcome, const std::string& why = {});

    QPointer<QAudioSink> sink_;
    WavSource* source_ = nullptr;  // a child of the sink
    QTimer watchdog_;
    Listener listener_;
    std::string failure_;
};

}  // namespace kelmo::platform
