#include "ui/athan.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "calendar/julian_day.h"
#include "calendar/names.h"
#include "calendar/time_format.h"
#include "hijri/hijri_date.h"
#include "platform/qt/caption_width.h"
#include "ui/dialog_template.h"
#include "ui/earth_picture.h"
#include "ui/error_box.h"
#include "ui/sound_file.h"
#include "ui/template_layout.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

constexpr int kErrorSoundFile = 109;    // "Could not open sound file!"
constexpr int kErrorSoundPlayer = 503;  // "Could not start sound player!"
constexpr int kSecondsPerMinute = 60;
constexpr int kMinutesPerHour = 60;
// How long an alert whose sound could not play stays: about the length of an athan.
constexpr int kSilentAlertMs = 3 * 60 * 1000;
// A sound file longer than this is cut there, so that the alert never holds up the next.
constexpr int kLongestAlertMs = 10 * 60 * 1000;

// The text block is laid out in a square of 2000 logical units (y upwards, origin at the
// client centre) fitted into the client area; lines 150 units apart.
constexpr double kLogicalExtent = 2000.0;
constexpr double kFirstLineOffset = 650.0;
constexpr double kLineStep = 150.0;
constexpr double kLeftOffset = 1000.0;
constexpr int kLines = 5;

// The picture is drawn on 148 x 176 units; the floor starts 128 units down.
constexpr double kFloorY = 128;

// A pointed arch on the floor line of the picture: upright sides from the floor up to springY,
// then two curves, bent towards shoulderY, that meet at apexY over the middle.
QPainterPath pointedArch(double left, double right, double springY, double shoulderY,
                         double apexY) {
    QPainterPath arch;
    arch.moveTo(left, kFloorY);
    arch.lineTo(left, springY);
    arch.quadTo(left, shoulderY, (left + right) / 2, apexY);
    arch.quadTo(right, shoulderY, right, springY);
    arch.lineTo(right, kFloorY);
    arch.closeSubpath();
    return arch;
}

}  // namespace

QString prayerTimeTitle(const QString& prayer) {
    return QCoreApplication::translate("kelmo::ui::Athan", "It is time for %1 prayer").arg(prayer);
}

QString prayerStartedLine(const QString& prayer, double time) {
    return QCoreApplication::translate("kelmo::ui::Athan", "%1 prayer is started %2")
        .arg(prayer, shownDigits(toWidget(formatTime(kRoundNearest, time, 0, false).text)));
}

QString prayerLateLine(double lateSeconds) {
    const int minutes = std::max(1, static_cast<int>(lateSeconds / kSecondsPerMinute));
    const int hours = minutes / kMinutesPerHour;
    if (hours == 0) {
        return QCoreApplication::translate("kelmo::ui::Athan", "This prayer began %1 min ago")
            .arg(shownNumber(minutes));
    }
    return QCoreApplication::translate("kelmo::ui::Athan", "This prayer began %1 h %2 min ago")
        .arg(shownNumber(hours), shownNumber(minutes % kMinutesPerHour));
}

// ---- the picture ----------------------------------------------------------------------------

void AthanPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / 148.0, height() / 176.0);
    // Wall and floor.
    QLinearGradient wall(0, 0, 0, 176);
    wall.setColorAt(0, QColor(70, 70, 70));
    wall.setColorAt(0.7, QColor(120, 120, 120));
    wall.setColorAt(1, QColor(90, 90, 90));
    p.fillRect(QRectF(0, 0, 148, 176), wall);
    p.fillRect(QRectF(0, kFloorY, 148, 176 - kFloorY), QColor(105, 105, 105));
    // The arched frame of the double door.
    p.fillPath(pointedArch(24, 124, 50, 14, 8), QColor(185, 185, 185));
    p.fillPath(pointedArch(32, 116, 54, 24, 18), QColor(45, 45, 45));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawLine(QPointF(74, 18), QPointF(74, kFloorY));  // the two wings
    // Ornament: rows of small lozenges and studs on both wings.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 160, 160));
    for (int row = 0; row < 6; ++row) {
        const double y = 46 + row * 14;
        for (double x : {42.0, 53.0, 64.0, 84.0, 95.0, 106.0}) {
            QPolygonF lozenge({{x, y - 4}, {x + 3, y}, {x, y + 4}, {x - 3, y}});
            p.drawPolygon(lozenge);
        }
    }
    p.setBrush(QColor(210, 210, 210));
    p.drawEllipse(QPointF(70, 90), 2, 2);  // the rings of the handles
    p.drawEllipse(QPointF(78, 90), 2, 2);
    // Worshippers in white robes, hands raised, seen from behind in two rows.
    const auto figure = [&p](double x, double base, double scale, int shade) {
        p.setBrush(QColor(shade, shade, shade));
        QPainterPath robe;
        robe.moveTo(x - 9 * scale, base);
        robe.quadTo(x - 8 * scale, base - 24 * scale, x - 5 * scale, base - 30 * scale);
        robe.lineTo(x + 5 * scale, base - 30 * scale);
        robe.quadTo(x + 8 * scale, base - 24 * scale, x + 9 * scale, base);
        robe.closeSubpath();
        p.drawPath(robe);
        p.drawEllipse(QPointF(x, base - 34 * scale), 4.2 * scale, 4.6 * scale);  // head cloth
        // Raised forearms and open hands beside the head.
        p.setPen(QPen(QColor(shade, shade, shade), 3 * scale, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 5 * scale, base - 27 * scale),
                   QPointF(x - 8 * scale, base - 38 * scale));
        p.drawLine(QPointF(x + 5 * scale, base - 27 * scale),
                   QPointF(x + 8 * scale, base - 38 * scale));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(shade - 40, shade - 40, shade - 40));
        p.drawEllipse(QPointF(x - 8.5 * scale, base - 40 * scale), 1.8 * scale, 2.4 * scale);
        p.drawEllipse(QPointF(x + 8.5 * scale, base - 40 * scale), 1.8 * scale, 2.4 * scale);
    };
    for (double x : {30.0, 58.0, 90.0, 118.0}) figure(x, 150, 1.0, 225);
    for (double x : {14.0, 44.0, 74.0, 104.0, 134.0}) figure(x, 178, 1.15, 245);
}

// ---- the window -----------------------------------------------------------------------------

Athan::Athan(const Config& config, const Location& location, CalendarDate& date, int prayer,
             double nextTime, platform::SoundPlayer& sound, QWidget* parent)
    : QDialog(parent),
      config_(config),
      location_(location),
      date_(date),
      prayer_(std::clamp(prayer, 0, 4)),
      nextTime_(nextTime),
      sound_(sound) {
    buildTemplate();
    selfClose_.setSingleShot(true);
    connect(&selfClose_, &QTimer::timeout, this, &Athan::reject);
}

Athan::~Athan() {
    if (playing_) sound_.stop();
}

void Athan::buildTemplate() {
    DialogTemplate t(this, prayerTimeTitle(QStringLiteral("Maghrib")), 118, 178);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* picture = new AthanPicture(this);
    picture->setGeometry(t.units().rect(9, 6, 99, 108));
    QPushButton* close = t.button(athanwin::kClose, tr("Close"), 33, 161, 50, 14);
    connect(close, &QPushButton::clicked, this, &Athan::reject);
    setWindowIcon(applicationIcon());
    arrangeTemplate(this);
}

void Athan::start() {
    setWindowTitle("  " + prayerTimeTitle(alertPrayerName(prayer_)));
    fitCaption();
    composeLines();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = rect();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
    const std::string file = soundFilePath(config_.soundFile);
    if (!canReadSoundFile(file)) {
        soundFailed(errorTextOf(kErrorSoundFile), file);
        return;
    }
    playing_ =
        sound_.play(file, [this](platform::SoundPlayer::Outcome outcome) { soundEnded(outcome); });
    if (playing_)
        selfClose_.start(kLongestAlertMs);
    else
        soundFailed(errorTextOf(kErrorSoundPlayer), sound_.failure());
}

// Widens the window so that its caption bar shows the whole caption; the picture, the text
// and the button stay centred.
void Athan::fitCaption() {
    const int growth = platform::widenForCaption(this);
    if (growth == 0) return;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->x() + growth / 2, child->y());
}

void Athan::composeLines() {
    const double jd = julianDay(date_);
    hijriFromDate(date_, location_, config_);
    const int day = static_cast<int>(date_.day);
    const int hijriDay = static_cast<int>(date_.hijriDay);
    lines_ = {
        tr("Today is %1,").arg(weekdayName(weekday(jd))),
        tr("%1/%2/%3 AD").arg(shownNumber(day), monthName(date_.month), shownNumber(date_.year)),
        tr("%1/%2/%3 AH")
            .arg(shownNumber(hijriDay), hijriMonthName(date_.hijriMonth),
                 shownNumber(date_.hijriYear)),
        prayerStartedLine(alertPrayerName(prayer_), nextTime_),
        tr("in %1").arg(toWidget(location_.name)),
    };
    if (lateSeconds_ > 0) lines_.append(prayerLateLine(lateSeconds_));
}

void Athan::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double w = width();
    const double h = height();
    // Isotropic mapping: one scale for both axes, the smaller of the two.
    const double scale = std::min(w, h) / kLogicalExtent;
    double step = kLineStep * scale;
    double top = h / 2 - (h / 2 - kFirstLineOffset) * scale;
    // The block was laid out for the template's font; with larger dialog units here it may
    // reach the Close button, and is then spread over the band between picture and button.
    const QWidget* picture = findChild<AthanPicture*>();
    const QWidget* close = controlById(this, athanwin::kClose);
    if (picture != nullptr && close != nullptr) {
        const double bandTop = picture->geometry().bottom() + 4.0;
        const double bandBottom = close->geometry().top() - 2.0;
        const auto lines = static_cast<double>(std::max<qsizetype>(kLines, lines_.size()));
        if (top < bandTop || top + lines * step > bandBottom) {
            top = bandTop;
            step = (bandBottom - bandTop) / lines;
        }
    }
    QFont font = dialogFont();
    if (QFontMetrics(font).height() > step) font.setPixelSize(std::max(6, int(step) - 2));
    p.setFont(font);
    p.setPen(palette().color(QPalette::WindowText));
    const int ascent = QFontMetrics(font).ascent();
    const double x = w / 2 + (w / 2 - kLeftOffset) * scale;
    // Mirrored, each line ends where it would begin from left to right.
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    const QFontMetricsF metrics(font);
    for (int i = 0; i < lines_.size(); ++i) {
        const double left = mirrored ? w - x - metrics.horizontalAdvance(lines_[i]) : x;
        p.drawText(QPointF(left, top + i * step + ascent), lines_[i]);
    }
}

void Athan::soundEnded(platform::SoundPlayer::Outcome outcome) {
    playing_ = false;
    if (outcome == platform::SoundPlayer::Outcome::finished) {
        finish();
    } else {
        soundFailed(errorTextOf(kErrorSoundPlayer), sound_.failure());
    }
}

// The sound is over at once; the window says why for about an athan's length (or until Close).
void Athan::soundFailed(const QString& text, const std::string& why) {
    const QString shown = text.trimmed();
    lines_.append(shown);
    update();
    Q_EMIT soundTrouble(why.empty() ? shown : shown + " (" + pathToWidget(why) + ")");
    selfClose_.start(kSilentAlertMs);
    endSound();
}

void Athan::closeByItselfNow() {
    if (selfClose_.isActive()) reject();
}

void Athan::endSound() {
    if (soundOver_) return;
    soundOver_ = true;
    Q_EMIT soundOver();
}

void Athan::reject() {
    if (playing_) sound_.stop();
    playing_ = false;
    finish();
}

void Athan::finish() {
    if (ended_) return;
    ended_ = true;
    selfClose_.stop();
    done(0);
    endSound();
}

}  // namespace kelmo::ui
