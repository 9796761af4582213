// Playing a WAV file in the background, as the Timer's pre-alert and the prayer alert do: the
// sound starts asynchronously, its end (or its failure to play) is reported, and it can be
// stopped at once. One sound at a time: starting another stops the one playing.
#pragma once

#include <functional>
#include <string>

namespace kelmo::platform {

class SoundPlayer {
  public:
    enum class Outcome {
        finished,  // the sound has played to its end
        failed,    // the platform could not play it after all (bad file, no device)
    };
    using Listener = std::function<void(Outcome)>;

    virtual ~SoundPlayer() = default;
    // Starts the file (a path in the system's bytes) and returns at once; listener (may be empty)
    // is called once, later, on the user-interface thread. False when the platform refused at once;
    // the listener is then never called.
    virtual bool play(const std::string& file, Listener listener) = 0;
    // Stops whatever plays, at once; the stopped sound's listener is not called.
    virtual void stop() = 0;
    virtual bool isPlaying() const = 0;
    // Why the last sound was refused or failed (English, one line; empty when it did not).
    virtual std::string failure() const = 0;
};

}  // namespace kelmo::platform
