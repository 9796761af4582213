// The prayer alert: a window with a picture, the day, the Gregorian and Hijri dates, the
// prayer with its time and the location, playing the prayer sound once. It closes by itself
// when the sound has ended, or at once (stopping the sound) on Close. A sound that cannot be
// played never holds anything up: its sound counts as over at once, and the window says so in
// a line of its own for about the length of an athan (or until Close).
#pragma once

#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <string>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "platform/sound_player.h"
#include "ui/services.h"

namespace kelmo::ui {

namespace athanwin {
inline constexpr int kClose = 8;
}  // namespace athanwin

// The alert's words in the user's language: "It is time for Duhr prayer" and
// "Duhr prayer is started 11:31" (time: radians of the day, rounded to the nearest minute).
QString prayerTimeTitle(const QString& prayer);
QString prayerStartedLine(const QString& prayer, double time);
// How long ago a prayer began, for an alert that comes late: "This prayer began 2 min ago",
// "This prayer began 6 h 10 min ago" (whole minutes, at least one).
QString prayerLateLine(double lateSeconds);

// The picture of the alert: worshippers in white robes raising their hands before a large
// ornamented double door, in shades of grey (drawn, 148 by 176 at its own size).
class AthanPicture : public QWidget {
    Q_OBJECT
  public:
    explicit AthanPicture(QWidget* parent = nullptr) : QWidget(parent) {}
    QSize sizeHint() const override { return {148, 176}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

class Athan : public QDialog {
    Q_OBJECT
  public:
    // prayer: 0 Fajr .. 4 Isha; nextTime: its time of day (radians). date is the prayer's
    // date; its Hijri fields are set here.
    Athan(const Config& config, const Location& location, CalendarDate& date, int prayer,
          double nextTime, platform::SoundPlayer& sound, QWidget* parent = nullptr);
    ~Athan() override;

    // An alert that comes late (after a suspend or a clock change) says how late it is.
    void setLateSeconds(double seconds) { lateSeconds_ = seconds; }
    // Window initialisation: shows the window and starts the sound.
    void start();
    // The text lines of the window: the five of every alert, then the late line and the
    // sound's trouble when there are any.
    const QStringList& textLines() const { return lines_; }
    bool soundIsOver() const { return soundOver_; }
    // True while the window waits to close by itself: after about an athan's length when its
    // sound could not play, after ten minutes of a sound that plays on.
    bool closesByItself() const { return selfClose_.isActive(); }
    // Closes it now (tests, whose clock does not run).
    void closeByItselfNow();

  Q_SIGNALS:
    // Once, when the sound has ended, failed or been stopped by Close.
    void soundOver();
    // The sound cannot be played: what to tell the user (English, one line).
    void soundTrouble(const QString& text);

  public Q_SLOTS:
    void reject() override;  // Close, Esc and the close box: the sound stops at once

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildTemplate();
    void fitCaption();
    void composeLines();
    void soundEnded(platform::SoundPlayer::Outcome outcome);
    void soundFailed(const QString& text, const std::string& why);
    void endSound();
    void finish();

    const Config& config_;
    const Location& location_;
    CalendarDate& date_;
    int prayer_;
    double nextTime_;
    platform::SoundPlayer& sound_;
    QStringList lines_;
    QTimer selfClose_;
    double lateSeconds_ = 0.0;
    bool playing_ = false;  // this alert's sound may still play
    bool soundOver_ = false;
    bool ended_ = false;
};

}  // namespace kelmo::ui
