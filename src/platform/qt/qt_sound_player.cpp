#include "platform/qt/qt_sound_player.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace kelmo::platform {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    stop();
}

bool QtSoundPlayer::play(const std::string& file, Listener listener) {
    stop();
    // Without an output device QSoundEffect "plays" in no time; that is a refusal here.
    if (QMediaDevices::defaultAudioOutput().isNull()) return false;
    const QUrl source = QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(file)));
    if (!source.isValid()) return false;
    effect_ = std::make_unique<QSoundEffect>();
    listener_ = std::move(listener);
    started_ = false;
    QSoundEffect* effect = effect_.get();
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect] {
        if (effect->status() == QSoundEffect::Error) report(Outcome::failed);
    });
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [this, effect] {
        if (effect->isPlaying())
            started_ = true;
        else if (started_ && effect->status() != QSoundEffect::Error)
            report(Outcome::finished);
    });
    effect->setSource(source);
    effect->play();  // plays as soon as the file is loaded
    return true;
}

void QtSoundPlayer::report(Outcome outcome) {
    Listener listener = std::move(listener_);
    listener_ = nullptr;
    started_ = false;
    if (listener) listener(outcome);
}

void QtSoundPlayer::stop() {
    listener_ = nullptr;
    started_ = false;
    if (!effect_) return;
    QObject::disconnect(effect_.get(), nullptr, nullptr, nullptr);
    effect_->stop();
    // Deleted later: stop() may be called from one of the effect's own signals.
    effect_.release()->deleteLater();
}

bool QtSoundPlayer::isPlaying() const {
    return effect_ && effect_->isPlaying();
}

}  // namespace kelmo::platform
