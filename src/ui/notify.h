// The Notifier: a small strip at the top-left corner of the screen whose caption names the
// next prayer and its time and whose client area counts down the time left, redrawn every
// second and never rounded up; the strip is wide enough for its whole caption. In the last
// minute the strip flashes six times; the button "Do" opens a menu to minimise it, start the
// interactive program, close it, or end the whole background process.
#pragma once

#include <QDialog>
#include <QTimer>

#include "base/config.h"
#include "base/location.h"
#include "calendar/calendar_date.h"
#include "calendar/instant.h"
#include "ui/services.h"

class QMenu;
class QPushButton;

namespace kelmo::ui {

namespace notifywin {
inline constexpr int kDo = 1024;
inline constexpr int kMinimize = 32779, kStart = 32777, kClose = 32773, kCloseAll = 32778;
inline constexpr int kTickMs = 1000;
inline constexpr int kFlashMs = 1000;
inline constexpr unsigned kFlashSteps = 7;  // six inversions, then the count stays at 1
}  // namespace notifywin

// What the Notifier's menu asks of the Timer that owns it.
class NotifyHost {
  public:
    virtual void CloseNotifier() = 0;
    virtual void EndBackground() = 0;

  protected:
    ~NotifyHost() = default;
};

class Notify : public QDialog {
    Q_OBJECT
  public:
    // prayer: 0 Fajr .. 4 Isha beginning at the instant at; nextTime: the clock's reading
    // then (radians after midnight).
    Notify(const Config& config, const Location& location, int prayer, Instant at, double nextTime,
           const Services& services, NotifyHost& host, QWidget* parent = nullptr);
    ~Notify() override;

    // The count-down step of every paint: "Time left: HH:MM:SS" for the present moment, the
    // seconds cut and whole days counted into the hours (never negative; a passed time is
    // held at "00:00:00"), starting the flashing in the last minute.
    QString countDownText();
    // One step of the flash timer.
    void flashStep();
    // A command of the "Do" menu.
    void command(int id);
    // Stops the count-down and flash timers (before the Timer destroys the window).
    void stopTimers();

    QMenu* menu() const { return menu_; }
    QPushButton* doButton() const { return doButton_; }
    unsigned flashCount() const { return flashCount_; }
    bool flashTimerActive() const { return flashTimer_.isActive(); }
    bool tickTimerActive() const { return tickTimer_.isActive(); }
    int tickIntervalMs() const { return tickTimer_.interval(); }
    bool inverted() const { return inverted_; }
    // Opens the "Do" menu at a screen position (the mouse cursor's when the button is pressed).
    void openMenu(const QPoint& at);

  public Q_SLOTS:
    void reject() override;  // Esc: ignored, the strip stays

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildTemplate();
    void buildMenu();
    void fitCaption();

    const Config& config_;
    const Location& location_;
    int prayer_;
    Instant at_;
    double nextTime_;
    const Services& services_;
    NotifyHost& host_;
    QTimer tickTimer_;
    QTimer flashTimer_;
    unsigned flashCount_ = 0;
    bool inverted_ = false;
    QMenu* menu_ = nullptr;
    QPushButton* doButton_ = nullptr;
};

// The icon of the "Do" button: a small menu mark.
QIcon notifierButtonIcon();

}  // namespace kelmo::ui
