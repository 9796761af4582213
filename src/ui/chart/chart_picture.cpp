#include "ui/chart/chart_picture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <vector>

#include "base/angles.h"
#include "calendar/names.h"
#include "files/output/chart_strokes.h"
#include "prayer/school_of_law.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

namespace {

// A word of the legend in the user's language (English where no translation is installed, as
// in kelmo-cli).
QString legendText(const char* english) {
    return QCoreApplication::translate("kelmo::ui::ChartPicture", english);
}

constexpr double kDesignHeight = 1000.0;  // sizes below are for a picture this high
constexpr int kLongestMonthChart = 31;    // a chart of at most this many days shows each day

// Colours of the lines, by slot.
constexpr std::array<QRgb, kPrayerSlotCount> kSlotColours = {
    0x7b4fa0,  // Imsak: violet
    0x1f5fbf,  // Fajr: blue
    0xe08a00,  // Shuruq: orange
    0x808080,  // noon (not shown)
    0xb8860b,  // Duhr: dark gold
    0x2e8b57,  // Asr: green
    0x2e8b57,  // Asr (shadow factor 2)
    0xd03030,  // Maghrib: red
    0x202a60,  // Isha: navy
};
const QColor kGridColour(0xe2, 0xe2, 0xe2);
const QColor kMajorGridColour(0xb8, 0xb8, 0xb8);
const QColor kTextColour(0x20, 0x20, 0x20);
const QColor kSummerColour(0xff, 0xf3, 0xc8);
const QColor kHijriColour(0x00, 0x80, 0x80);
const QColor kTodayColour(0xd0, 0x00, 0x78);
constexpr int kRuleAlpha = 150;  // the rule's lines are lighter

class ChartPainter {
  public:
    ChartPainter(QPainter& painter, const QRectF& area, const PrayerChart& chart,
                 const Words& words)
        : p_(painter),
          area_(area),
          chart_(chart),
          words_(words),
          s_(area.height() / kDesignHeight) {}

    void paint() {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        p_.fillRect(area_, Qt::white);
        layout();
        paintTitle();
        if (chart_.length > 0) {
            paintSummerTime();
            paintGrid();
            paintHijriMonths();
            paintToday();
            paintLines();
            paintFrameAndAxes();
        }
        paintLegend();
        p_.restore();
    }

  private:
    QFont font(double size, bool bold = false) const {
        QFont f;
        f.setPixelSize(std::max(9, static_cast<int>(size * s_)));
        f.setBold(bold);
        return f;
    }
    double lineHeight(const QFont& f) const { return QFontMetricsF(f).height(); }
    double textWidth(const QFont& f, const QString& text) const {
        return QFontMetricsF(f).horizontalAdvance(text);
    }

    double x(double day) const { return plot_.left() + day / chart_.length * plot_.width(); }
    double y(double hour) const { return plot_.top() + hour / kHoursPerDay * plot_.height(); }
    bool showsEachDay() const { return chart_.length <= kLongestMonthChart; }

    void layout() {
        const double pad = 18 * s_;
        const double hourLabel = textWidth(font(14), "00:00") + 12 * s_;
        const double top = area_.top() + pad + lineHeight(font(22, true)) + lineHeight(font(15)) +
                           2 * lineHeight(font(13)) + 14 * s_;
        const double bottom = area_.bottom() - pad - legendHeight() - 2 * lineHeight(font(14));
        plot_ = QRectF(QPointF(area_.left() + pad + hourLabel, top),
                       QPointF(area_.right() - pad - hourLabel, bottom));
    }

    void paintTitle() {
        const double pad = 18 * s_;
        QPointF at(area_.left() + pad, area_.top() + pad);
        p_.setPen(kTextColour);
        const QFont title = font(22, true);
        p_.setFont(title);
        p_.drawText(QRectF(at, QSizeF(area_.width() - 2 * pad, lineHeight(title))),
                    Qt::AlignLeft | Qt::AlignVCenter, toWidget(chart_.title));
        at.ry() += lineHeight(title);
        const QFont settings = font(15);
        p_.setFont(settings);
        p_.drawText(QRectF(at, QSizeF(area_.width() - 2 * pad, lineHeight(settings))),
                    Qt::AlignLeft | Qt::AlignVCenter, toWidget(chart_.settings));
    }

    // Summer time: the days that include its hour are shaded.
    void paintSummerTime() {
        for (const ChartDay& day : chart_.days) {
            if (!day.summerTime) continue;
            p_.fillRect(QRectF(QPointF(x(day.offset), plot_.top()),
                               QPointF(x(day.offset + 1), plot_.bottom())),
                        kSummerColour);
        }
    }

    void paintGrid() {
        for (int hour = 0; hour <= kHoursPerDay; ++hour) {
            p_.setPen(QPen(hour % 6 == 0 ? kMajorGridColour : kGridColour, 1 * s_));
            p_.drawLine(QPointF(plot_.left(), y(hour)), QPointF(plot_.right(), y(hour)));
        }
        for (const ChartDay& day : chart_.days) {
            const bool monthStart = static_cast<int>(day.date.day) == 1;
            if (!monthStart && !showsEachDay()) continue;
            p_.setPen(QPen(monthStart ? kMajorGridColour : kGridColour, 1 * s_));
            p_.drawLine(QPointF(x(day.offset), plot_.top()),
                        QPointF(x(day.offset), plot_.bottom()));
        }
    }

    // The English short names where the words are English ("Mar"), else the month's number.
    QString shortMonthName(int month) const {
        if (&words_ == &wordsOf(std::nullopt)) return names::nameAt(names::kShortMonths, month - 1);
        return QString::number(month);
    }

    // A slot by its prayer's name in the words' language.
    QString prayerWord(PrayerSlot slot) const {
        return QString::fromUtf8(words_.prayerName(prayerNameOfSlot(slot)));
    }

    QString hijriLabel(const HijriMonthStart& start) const {
        QString name = QString::fromUtf8(words_.hijriMonth(start.hijriMonth));
        if (start.hijriMonth == 1 || &start == &chart_.hijriMonthStarts.front()) {
            name += QString(" %1").arg(start.hijriYear);
        }
        return name;
    }

    // The first day of each Hijri month: a mark on the top edge, a dotted line down the chart
    // and the month's name above, in two rows where the names would touch.
    void paintHijriMonths() {
        const QFont f = font(13);
        p_.setFont(f);
        const double row = lineHeight(f);
        std::array<double, 2> rowEnd = {-1e9, -1e9};
        for (const HijriMonthStart& start : chart_.hijriMonthStarts) {
            const double at = x(start.offset);
            p_.setPen(QPen(kHijriColour, 1 * s_, Qt::DotLine));
            p_.drawLine(QPointF(at, plot_.top()), QPointF(at, plot_.bottom()));
            p_.fillPath(hijriMark(QPointF(at, plot_.top())), kHijriColour);
            const QString label = hijriLabel(start);
            const double width = textWidth(f, label);
            const int r = at + 3 * s_ > rowEnd[0] ? 0 : 1;
            rowEnd[r] = at + 3 * s_ + width + 6 * s_;
            const double top = plot_.top() - 8 * s_ - (2 - r) * row;
            p_.setPen(kHijriColour);
            p_.drawLine(QPointF(at, top + row * 0.2), QPointF(at, plot_.top()));
            p_.drawText(QRectF(at + 3 * s_, top, width + 2, row), Qt::AlignLeft | Qt::AlignVCenter,
                        label);
        }
    }

    // A triangle pointing down at tip.
    QPainterPath hijriMark(const QPointF& tip) const {
        const double size = 7 * s_;
        QPainterPath mark;
        mark.moveTo(tip.x() - size, tip.y() - size * 1.2);
        mark.lineTo(tip.x() + size, tip.y() - size * 1.2);
        mark.lineTo(tip);
        mark.closeSubpath();
        return mark;
    }

    void paintToday() {
        if (!chart_.today) return;
        const double at = x(*chart_.today + 0.5);
        p_.setPen(QPen(kTodayColour, 2 * s_, Qt::DashLine));
        p_.drawLine(QPointF(at, plot_.top()), QPointF(at, plot_.bottom()));
    }

    QPen linePen(PrayerSlot slot, bool fromRule) const {
        QColor colour(kSlotColours[static_cast<std::size_t>(slot)]);
        if (fromRule) colour.setAlpha(kRuleAlpha);
        QPen pen(colour, 2.6 * s_, fromRule ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        if (fromRule) pen.setDashPattern({2.5, 1.8});
        return pen;
    }

    void paintLines() {
        p_.save();
        p_.setClipRect(plot_);
        for (std::size_t line = 0; line < chart_.slots.size(); ++line) {
            for (const ChartStroke& stroke : chartStrokes(chart_, line)) {
                const QPen pen = linePen(chart_.slots[line], stroke.fromRule);
                p_.setPen(pen);
                if (stroke.points.size() == 1) {
                    const ChartXY& only = stroke.points.front();
                    p_.setBrush(pen.color());
                    p_.drawEllipse(QPointF(x(only.day), y(only.hour)), pen.widthF(), pen.widthF());
                    p_.setBrush(Qt::NoBrush);
                    continue;
                }
                QPainterPath path;
                path.moveTo(x(stroke.points.front().day), y(stroke.points.front().hour));
                for (const ChartXY& p : stroke.points) path.lineTo(x(p.day), y(p.hour));
                p_.drawPath(path);
            }
        }
        p_.restore();
    }

    void paintFrameAndAxes() {
        p_.setPen(QPen(kTextColour, 1 * s_));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(plot_);
        const QFont f = font(14);
        p_.setFont(f);
        const double row = lineHeight(f);
        const double labelWidth = textWidth(f, "00:00") + 8 * s_;
        for (int hour = 0; hour <= kHoursPerDay; hour += hourStep(row)) {
            const QString text = QString("%1:00").arg(hour, 2, 10, QChar('0'));
            p_.drawText(
                QRectF(plot_.left() - labelWidth - 4 * s_, y(hour) - row / 2, labelWidth, row),
                Qt::AlignRight | Qt::AlignVCenter, text);
            p_.drawText(QRectF(plot_.right() + 8 * s_, y(hour) - row / 2, labelWidth, row),
                        Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        paintDayAxis(f, row);
    }

    int hourStep(double row) const { return plot_.height() / kHoursPerDay >= row ? 1 : 2; }

    // Month names centred under their days; a month chart also numbers its days.
    void paintDayAxis(const QFont& f, double row) {
        const double top = plot_.bottom() + 4 * s_;
        const std::vector<ChartDay>& days = chart_.days;
        std::size_t monthFirst = 0;
        for (std::size_t i = 0; i <= days.size(); ++i) {
            if (i < days.size() && showsEachDay()) paintDayNumber(days[i], f, top, row);
            const bool ends = i == days.size() || (i > monthFirst && days[i].date.day == 1);
            if (!ends) continue;
            const ChartDay& first = days[monthFirst];
            const double left = x(first.offset), right = x(days[i - 1].offset + 1);
            QString name = QString::fromUtf8(words_.month(first.date.month));
            if (textWidth(f, name) > right - left) name = shortMonthName(first.date.month);
            if (showsEachDay()) name += QString(" %1").arg(first.date.year);
            const double nameTop = showsEachDay() ? top + row : top;
            if (textWidth(f, name) <= right - left || showsEachDay()) {
                p_.drawText(QRectF(left, nameTop, right - left, row), Qt::AlignCenter, name);
            }
            monthFirst = i;
        }
    }

    void paintDayNumber(const ChartDay& day, const QFont& f, double top, double row) {
        const QString number = QString::number(static_cast<int>(day.date.day));
        const double width = x(day.offset + 1) - x(day.offset);
        if (textWidth(f, "00") > width && static_cast<int>(day.date.day) % 5 != 0) return;
        p_.drawText(QRectF(x(day.offset), top, width, row), Qt::AlignCenter, number);
    }

    // The legend: one entry per line, then the rule's dashes, summer time, today and the
    // Hijri month mark, wrapped over as many rows as needed.
    enum class Swatch { line, ruleLine, summerTime, today, hijriMonth };
    struct LegendEntry {
        QString text;
        Swatch swatch;
        PrayerSlot slot;
    };

    std::vector<LegendEntry> legendEntries() const {
        std::vector<LegendEntry> entries;
        for (PrayerSlot slot : chart_.slots)
            entries.push_back({prayerWord(slot), Swatch::line, slot});
        const PrayerSlot any = chart_.slots.empty() ? PrayerSlot::isha : chart_.slots.back();
        if (!chart_.ruleName.empty()) {
            entries.push_back({legendText(QT_TRANSLATE_NOOP("kelmo::ui::ChartPicture",
                                                            "supplied by the rule \"%1\""))
                                   .arg(toWidget(chart_.ruleName)),
                               Swatch::ruleLine, any});
        }
        const bool summer = std::any_of(chart_.days.begin(), chart_.days.end(),
                                        [](const ChartDay& d) { return d.summerTime; });
        if (summer) {
            entries.push_back(
                {legendText(QT_TRANSLATE_NOOP("kelmo::ui::ChartPicture", "summer time")),
                 Swatch::summerTime, any});
        }
        if (chart_.today) {
            entries.push_back({legendText(QT_TRANSLATE_NOOP("kelmo::ui::ChartPicture", "today")),
                               Swatch::today, any});
        }
        entries.push_back(
            {legendText(QT_TRANSLATE_NOOP("kelmo::ui::ChartPicture",
                                          "first day of a Hijri month (crescent at the place)")),
             Swatch::hijriMonth, any});
        return entries;
    }

    static constexpr double kSwatch = 34;

    double legendEntryWidth(const QFont& f, const LegendEntry& e) const {
        return (kSwatch + 8 + 26) * s_ + textWidth(f, e.text);
    }

    int legendRows() const {
        const QFont f = font(14);
        const double width = area_.width() - 36 * s_;
        int rows = 1;
        double used = 0;
        for (const LegendEntry& e : legendEntries()) {
            const double w = legendEntryWidth(f, e);
            if (used > 0 && used + w > width) {
                ++rows;
                used = 0;
            }
            used += w;
        }
        return rows;
    }

    double legendHeight() const { return legendRows() * lineHeight(font(14)) + 6 * s_; }

    void paintLegend() {
        const QFont f = font(14);
        p_.setFont(f);
        const double row = lineHeight(f);
        const double left = area_.left() + 18 * s_;
        const double width = area_.width() - 36 * s_;
        QPointF at(left, area_.bottom() - 18 * s_ - legendRows() * row);
        for (const LegendEntry& e : legendEntries()) {
            const double w = legendEntryWidth(f, e);
            if (at.x() > left && at.x() - left + w > width) at = QPointF(left, at.y() + row);
            paintSwatch(e, QRectF(at.x(), at.y(), kSwatch * s_, row));
            p_.setPen(kTextColour);
            p_.drawText(QRectF(at.x() + (kSwatch + 8) * s_, at.y(), w, row),
                        Qt::AlignLeft | Qt::AlignVCenter, e.text);
            at.rx() += w;
        }
    }

    void paintSwatch(const LegendEntry& e, const QRectF& r) {
        const double middle = r.center().y();
        switch (e.swatch) {
            case Swatch::line:
                p_.setPen(linePen(e.slot, false));
                p_.drawLine(QPointF(r.left(), middle), QPointF(r.right(), middle));
                break;
            case Swatch::ruleLine: {
                QPen pen = linePen(e.slot, true);
                pen.setColor(QColor(0x60, 0x60, 0x60, kRuleAlpha));
                p_.setPen(pen);
                p_.drawLine(QPointF(r.left(), middle), QPointF(r.right(), middle));
                break;
            }
            case Swatch::summerTime:
                p_.fillRect(r.adjusted(0, r.height() * 0.15, 0, -r.height() * 0.15), kSummerColour);
                break;
            case Swatch::today:
                p_.setPen(QPen(kTodayColour, 2 * s_, Qt::DashLine));
                p_.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
                break;
            case Swatch::hijriMonth:
                p_.fillPath(hijriMark(QPointF(r.center().x(), r.bottom() - r.height() * 0.2)),
                            kHijriColour);
                break;
        }
    }

    QPainter& p_;
    QRectF area_;
    const PrayerChart& chart_;
    const Words& words_;
    double s_;  // scale of the design sizes
    QRectF plot_;
};

}  // namespace

void paintPrayerChart(QPainter& painter, const QRectF& area, const PrayerChart& chart,
                      const Words& words) {
    ChartPainter(painter, area, chart, words).paint();
}

}  // namespace kelmo::ui
