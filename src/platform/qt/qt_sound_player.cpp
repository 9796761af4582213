#include "platform/qt/qt_sound_player.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>
#include <cmath>

#include "platform/qt/wav_source.h"

namespace kelmo::platform {

namespace {
// How long past its own length a sound may take before it counts as stuck.
constexpr double kStuckMarginSeconds = 10.0;
}  // namespace

QtSoundPlayer::QtSoundPlayer() {
    watchdog_.setSingleShot(true);
    // A sink that never says it has gone idle: done when it has taken the whole sound.
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        if (source_ != nullptr && source_->atEnd())
            report(Outcome::finished);
        else
            report(Outcome::failed, "the sound did not end in time");
    });
}

QtSoundPlayer::~QtSoundPlayer() {
    stop();
}

bool QtSoundPlayer::refuse(const std::string& why) {
    failure_ = why;
    return false;
}

bool QtSoundPlayer::play(const std::string& file, Listener listener) {
    stop();
    failure_.clear();
    WavReader reader = WavReader::open(file);  // the system's bytes, as given
    if (!reader.ok()) return refuse(reader.error());
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return refuse("no sound output device");
    auto* source = new WavSource(std::move(reader));
    const QAudioFormat format = source->audioFormat();
    if (!device.isFormatSupported(format)) {
        delete source;
        return refuse("the sound output device does not take this WAV format");
    }
    sink_ = new QAudioSink(device, format);
    source->setParent(sink_);
    source_ = source;
    listener_ = std::move(listener);
    QObject::connect(sink_, &QAudioSink::stateChanged, sink_, [this] { stateChanged(); });
    sink_->start(source_);
    if (sink_->error() != QAudio::NoError) {
        stop();
        return refuse("the sound output device cannot be opened");
    }
    watchdog_.start(
        static_cast<int>(std::ceil((source_->durationSeconds() + kStuckMarginSeconds) * 1000.0)));
    return true;
}

void QtSoundPlayer::stateChanged() {
    if (!sink_) return;
    const QAudio::State state = sink_->state();
    if (state == QAudio::IdleState && source_->atEnd()) {
        report(Outcome::finished);
    } else if (state == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        report(Outcome::failed, "the sound output stopped with an error");
    }
}

void QtSoundPlayer::report(Outcome outcome, const std::string& why) {
    Listener listener = std::move(listener_);
    stop();
    failure_ = why;
    if (listener) listener(outcome);
}

void QtSoundPlayer::stop() {
    listener_ = nullptr;
    watchdog_.stop();
    if (!sink_) return;
    QObject::disconnect(sink_, nullptr, nullptr, nullptr);
    sink_->stop();
    // Deleted later, with its source: stop() may be called from the sink's own signal.
    sink_->deleteLater();
    sink_ = nullptr;
    source_ = nullptr;
}

bool QtSoundPlayer::isPlaying() const {
    return sink_ && sink_->state() != QAudio::StoppedState;
}

}  // namespace kelmo::platform
