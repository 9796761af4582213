// The sound player on Qt Multimedia (QSoundEffect: uncompressed WAV, played asynchronously;
// the end of playback is signalled, not polled).
#pragma once

#include <memory>

#include "platform/sound_player.h"

class QSoundEffect;

namespace kelmo::platform {

class QtSoundPlayer final : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    bool play(const std::string& file, Listener listener) override;
    void stop() override;
    bool isPlaying() const override;

  private:
    void report(Outcome outcome);

    std::unique_ptr<QSoundEffect> effect_;
    Listener listener_;
    bool started_ = false;  // the effect has begun to play (its end is then "finished")
};

}  // namespace kelmo::platform
