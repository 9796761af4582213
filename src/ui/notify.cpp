#include "ui/notify.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "base/angles.h"
#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/time_format.h"
#include "platform/message_box.h"
#include "platform/qt/caption_width.h"
#include "ui/dialog_template.h"
#include "ui/earth_picture.h"
#include "ui/error_box.h"
#include "ui/program_file.h"
#include "ui/template_layout.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

constexpr int kErrorStartProgram = 505;  // "Could not start KelmoTimes!"
constexpr int kTextMargin = 2;           // pixels from the client corner to the count-down
constexpr double kFlashSeconds = 60.0;   // the last minute
// A moment that came through a Julian day carries some 40 microseconds of rounding; a whole
// second of the count-down must not lose one to it.
constexpr double kMomentNoiseSeconds = 0.001;

// "HH:MM:SS" of a time left, the fraction of a second cut, whole days in the hours.
QString countDown(double seconds) {
    const double left = std::max(0.0, seconds) + kMomentNoiseSeconds;
    return QString::fromStdString(formatTime(kRoundDown, left * kSecondToRad, 0, true).text);
}

}  // namespace

QIcon notifierButtonIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 60));
    for (int row = 0; row < 3; ++row) p.drawRoundedRect(QRectF(2, 2.5 + row * 3.5, 12, 2), 1, 1);
    p.drawPolygon(QPolygonF({{4, 12}, {12, 12}, {8, 15.5}}));
    return QIcon(pixmap);
}

Notify::Notify(const Config& config, const Location& location, int prayer, Instant at,
               double nextTime, const Services& services, NotifyHost& host, QWidget* parent)
    : QDialog(parent),
      config_(config),
      location_(location),
      prayer_(prayer < 0 || prayer > 4 ? 0 : prayer),
      at_(at),
      nextTime_(nextTime),
      services_(services),
      host_(host) {
    buildTemplate();
    buildMenu();
    setWindowTitle(
        tr("%1 prayer starts at %2").arg(alertPrayerName(prayer_), shownMinutes(nextTime_)));
    fitCaption();
    tickTimer_.setInterval(notifywin::kTickMs);
    connect(&tickTimer_, &QTimer::timeout, this, [this] { update(); });
    tickTimer_.start();
    flashTimer_.setInterval(notifywin::kFlashMs);
    connect(&flashTimer_, &QTimer::timeout, this, &Notify::flashStep);
}

Notify::~Notify() {
    stopTimers();
}

void Notify::buildTemplate() {
    DialogTemplate t(this, QString(), 145, 15);
    // A caption bar without system menu, minimise or close box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    doButton_ = t.button(notifywin::kDo, QString(), 129, 0, 16, 14);
    doButton_->setFlat(true);
    // One pair of icons for every Notifier: the pixmaps an icon paints are cached under the
    // icon's own key, so new icons at each reload of the Timer would fill the cache again. (Kept
    // to the end of the process: no icon may outlive the application object.)
    static const QIcon* const buttonIcon = new QIcon(notifierButtonIcon());
    static const QIcon* const windowIcon = new QIcon(applicationIcon());
    doButton_->setIcon(*buttonIcon);
    doButton_->setIconSize(QSize(16, 16));
    setTip(doButton_, tr("Press to see a menu."));
    connect(doButton_, &QPushButton::clicked, this, [this] { openMenu(QCursor::pos()); });
    setWindowIcon(*windowIcon);
    move(0, 0);  // the top-left corner of the screen
    arrangeTemplate(this);
}

// Widens the strip so that a caption bar can show the whole caption; the button stays at the
// right end.
void Notify::fitCaption() {
    // The button stays at the end of the strip: the right end, or the left when mirrored.
    if (platform::widenForCaption(this) > 0 && layoutDirection() == Qt::LeftToRight)
        doButton_->move(width() - doButton_->width(), doButton_->y());
}

void Notify::buildMenu() {
    menu_ = new QMenu(tr("Do"), this);
    const auto item = [this](const char* text, int id) {
        QAction* action = menu_->addAction(tr(text));
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { command(id); });
    };
    item(QT_TR_NOOP("Minimize"), notifywin::kMinimize);
    item(QT_TR_NOOP("Start KelmoTimes"), notifywin::kStart);
    item(QT_TR_NOOP("Close Notifier"), notifywin::kClose);
    item(QT_TR_NOOP("Close Notifier and Timer"), notifywin::kCloseAll);
}

void Notify::openMenu(const QPoint& at) {
    menu_->popup(at);
}

QString Notify::countDownText() {
    const double left = std::max(0.0, static_cast<double>((at_ - services_.clock.now()).count()));
    if (flashCount_ == 0 && left <= kFlashSeconds) {
        flashCount_ = notifywin::kFlashSteps;
        flashTimer_.start();
    }
    return tr("Time left: %1").arg(shownDigits(countDown(left)));
}

void Notify::flashStep() {
    if (flashCount_ >= 2) {
        inverted_ = !inverted_;
        --flashCount_;
        if (inverted_) QApplication::alert(this, notifywin::kFlashMs);
        update();
    } else {
        flashTimer_.stop();
    }
}

void Notify::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QString text = countDownText();
    // The flash inverts the strip (a window manager's caption cannot be inverted from here).
    const QPalette& colours = palette();
    if (inverted_) p.fillRect(rect(), colours.color(QPalette::Highlight));
    p.setPen(colours.color(inverted_ ? QPalette::HighlightedText : QPalette::WindowText));
    p.setFont(font());
    p.drawText(QPoint(kTextMargin, kTextMargin + fontMetrics().ascent()), text);
}

void Notify::command(int id) {
    switch (id) {
        case notifywin::kMinimize:
            showMinimized();
            break;
        case notifywin::kStart:
            if (!services_.programs.start(ownProgramFile(), {}))
                showError(services_.messages, kErrorStartProgram);
            break;
        case notifywin::kClose:
            host_.CloseNotifier();
            break;
        case notifywin::kCloseAll:
            host_.EndBackground();
            break;
        default:
            break;
    }
}

void Notify::stopTimers() {
    tickTimer_.stop();
    flashTimer_.stop();
}

void Notify::reject() {}

void Notify::closeEvent(QCloseEvent* event) {
    // Closed by the window manager: as "Close Notifier"; the Timer destroys the window.
    event->ignore();
    host_.CloseNotifier();
}

}  // namespace kelmo::ui
