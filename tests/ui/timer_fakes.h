// Fakes and helpers of the background-mode tests: a sound player that plays until the test
// ends the sound (or refuses, as without a sound device), a tray that is there or not, a recording
// desktop notifier, and the moment of a local time at a place for the fixed clock.
#pragma once

#include <QFile>
#include <cmath>
#include <string>
#include <vector>

#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/julian_day.h"
#include "calendar/local_time.h"
#include "platform/desktop_notifier.h"
#include "platform/qt/tray_icon.h"
#include "platform/sound_player.h"
#include "ui/text_edge.h"

namespace kelmo::test {

class FakeSoundPlayer final : public platform::SoundPlayer {
  public:
    bool play(const std::string& file, Listener listener) override {
        played.push_back(file);
        if (refuses) return false;
        listener_ = std::move(listener);
        playing_ = true;
        return true;
    }
    void stop() override {
        ++stops;
        listener_ = nullptr;
        playing_ = false;
    }
    bool isPlaying() const override { return playing_; }
    std::string failure() const override { return refuses ? why : std::string(); }
    // The sound ends (or fails) as the platform would report it.
    void end(Outcome outcome = Outcome::finished) {
        playing_ = false;
        Listener listener = std::move(listener_);
        listener_ = nullptr;
        if (listener) listener(outcome);
    }
    bool refuses = false;
    std::string why = "no sound output device";  // the reason given while it refuses
    std::vector<std::string> played;
    int stops = 0;

  private:
    Listener listener_;
    bool playing_ = false;
};

// Records the desktop notifications (summary, body).
class FakeDesktopNotifier final : public platform::DesktopNotifier {
  public:
    void notify(const std::string& summary, const std::string& body) override {
        shown.emplace_back(summary, body);
    }
    std::vector<std::pair<std::string, std::string>> shown;
};

class FakeTrayIcon final : public platform::TrayIcon {
  public:
    bool show(const QIcon&, const QString& tip, int iconId, Callback callback) override {
        ++shows;
        if (!available) return false;
        shown_ = true;
        lastTip = tip;
        lastId = iconId;
        callback_ = std::move(callback);
        return true;
    }
    void setTip(const QString& tip) override {
        if (shown_) lastTip = tip;
    }
    bool remove() override {
        shown_ = false;
        return true;
    }
    bool isShown() const override { return shown_; }
    bool showsMenu() const override { return false; }
    void setMenu(QMenu* m) override { menu = m; }
    // Mouse activity over the icon.
    void activate(int mouseMessage) {
        if (callback_) callback_(lastId, mouseMessage);
    }
    bool available = true;
    int shows = 0;
    QString lastTip;
    int lastId = 0;
    QMenu* menu = nullptr;

  private:
    bool shown_ = false;
    Callback callback_;
};

// The UTC moment of a Julian day of Universal Time.
inline UtcTime utcFromJulianDay(double jd) {
    const double dayStart = std::floor(jd + 0.5) - 0.5;
    double seconds = (jd - dayStart) * 86400.0;
    CalendarDate civil;
    dateFromJulianDay(dayStart, civil);
    UtcTime t;
    t.year = civil.year;
    t.month = civil.month;
    t.day = static_cast<int>(std::floor(civil.day));
    t.hour = static_cast<int>(seconds / 3600.0);
    seconds -= t.hour * 3600.0;
    t.minute = static_cast<int>(seconds / 60.0);
    t.second = seconds - t.minute * 60.0;
    return t;
}

// The Julian day (Universal Time) at which the local civil time at location (zone time, summer time
// not included) is dayAngle radians after midnight starting date.
inline double julianDayAtLocal(const Location& location, const CalendarDate& date,
                               double dayAngle) {
    CalendarDate midnight = date;
    midnight.day = std::floor(date.day);
    return julianDay(midnight) + dayAngle / (2.0 * 3.14159265358979323846) -
           location.timeZone / 24.0;
}

// A file with some bytes (the fake player never reads it).
inline void writeDummySound(const std::string& path) {
    QFile file(ui::pathToWidget(path));
    file.open(QIODevice::WriteOnly);
    file.write("RIFF");
}

}  // namespace kelmo::test
