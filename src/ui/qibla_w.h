// The Qibla window: a compass card whose needle points to the Qibla, with the direction in
// words, from geographic north, from magnetic north or from the shadow of the Sun at the
// present moment (redrawn every 30 seconds). The chosen reference is kept in bits 13 and 14
// of the configuration's alertFlags when the window is closed.
#pragma once

#include <QDialog>
#include <functional>

#include "base/config.h"
#include "base/location.h"
#include "qibla/compute_qibla.h"
#include "ui/qibla_card.h"
#include "ui/services.h"

class QButtonGroup;
class QTimer;

namespace kelmo::ui {

namespace qibla {
inline constexpr int kGeographic = 1051, kMagnetic = 1052, kShadow = 1053, kClose = 8;
inline constexpr int kRefreshMilliseconds = 30000;
}  // namespace qibla

// The computer's present moment and zone setting, read at every drawing.
using ComputerTimeSource = std::function<ComputerTime()>;

class QiblaW : public QDialog {
    Q_OBJECT
  public:
    // now: the computer's moment; by default the services' clock with the system zone.
    QiblaW(const Location& location, Config& config, const Services& services,
           QWidget* parent = nullptr, ComputerTimeSource now = {});

    // Runs the window modally; returns 0 at once when the initialisation ended it.
    int exec() override;

    int method() const { return method_; }
    const QiblaResults& results() const { return results_; }
    // Computes the chosen method's results and what the card shows (every repaint does).
    QiblaCard currentCard();
    // What the 30-second timer does.
    void refresh();
    bool refreshing() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void buildTemplate();
    bool initialise();
    void methodClicked();
    void closeClicked();

    const Location& location_;
    Config& config_;
    const Services& services_;
    ComputerTimeSource now_;
    int method_ = kQiblaFromGeographicNorth;
    QiblaResults results_;
    QButtonGroup* methods_ = nullptr;
    QTimer* timer_ = nullptr;
    bool ended_ = false;
};

}  // namespace kelmo::ui
