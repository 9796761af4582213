#include "files/output/chart_strokes.h"

#include <cmath>

#include "base/angles.h"

namespace kelmo {

namespace {

constexpr double kColumnMiddle = 0.5;

// Collects pieces of line given in unwrapped time (hours that may pass 24 or 0) and maps
// them onto the 24-hour chart, one stroke per run of connected pieces of one style.
class StrokeBuilder {
  public:
    // The piece a..b; continues: it starts where the previous piece ended. Band k of the day
    // (hours 24 k .. 24 k + 24) is drawn k days later.
    void line(ChartXY a, const ChartXY& b, bool fromRule, bool continues) {
        for (;;) {
            const double edge = nextMidnight(a.hour, b.hour);
            if (std::isnan(edge)) break;
            const double f = (edge - a.hour) / (b.hour - a.hour);
            const ChartXY crossing{a.day + f * (b.day - a.day), edge};
            emit(a, crossing, fromRule, continues);
            a = crossing;
            continues = false;
        }
        emit(a, b, fromRule, continues);
    }

    void dot(const ChartXY& p, bool fromRule) {
        strokes_.push_back({fromRule, {mapped(p, band(p.hour))}});
        open_ = false;
    }

    std::vector<ChartStroke> take() { return std::move(strokes_); }

  private:
    static int band(double hour) { return static_cast<int>(std::floor(hour / kHoursPerDay)); }

    static ChartXY mapped(const ChartXY& p, int k) {
        return {p.day + k, p.hour - k * kHoursPerDay};
    }

    // The first multiple of 24 hours strictly between from and to, or NaN.
    static double nextMidnight(double from, double to) {
        if (to > from) {
            const double edge = (std::floor(from / kHoursPerDay) + 1) * kHoursPerDay;
            return edge < to ? edge : NAN;
        }
        const double edge = (std::ceil(from / kHoursPerDay) - 1) * kHoursPerDay;
        return edge > to ? edge : NAN;
    }

    void emit(const ChartXY& a, const ChartXY& b, bool fromRule, bool continues) {
        const int k = band((a.hour + b.hour) / 2);
        if (continues && open_ && openBand_ == k && strokes_.back().fromRule == fromRule) {
            strokes_.back().points.push_back(mapped(b, k));
        } else {
            strokes_.push_back({fromRule, {mapped(a, k), mapped(b, k)}});
        }
        open_ = true;
        openBand_ = k;
    }

    std::vector<ChartStroke> strokes_;
    bool open_ = false;  // the last stroke may be continued, in the band openBand_
    int openBand_ = 0;
};

}  // namespace

std::vector<ChartStroke> chartStrokes(const PrayerChart& chart, std::size_t line) {
    StrokeBuilder builder;
    const std::vector<ChartDay>& days = chart.days;
    auto joined = [&](std::size_t i, std::size_t j) {
        return j < days.size() && days[j].offset == days[i].offset + 1 &&
               days[i].points[line].valid && days[j].points[line].valid;
    };
    auto at = [&](std::size_t i) {
        return ChartXY{days[i].offset + kColumnMiddle, days[i].points[line].hours};
    };
    auto middle = [&](std::size_t i) {
        const ChartXY a = at(i), b = at(i + 1);
        return ChartXY{(a.day + b.day) / 2, (a.hour + b.hour) / 2};
    };
    for (std::size_t i = 0; i < days.size(); ++i) {
        const ChartPoint& point = days[i].points[line];
        if (!point.valid) continue;
        const bool left = i > 0 && joined(i - 1, i);
        const bool right = joined(i, i + 1);
        if (left) builder.line(middle(i - 1), at(i), point.fromRule, true);
        if (right) builder.line(at(i), middle(i), point.fromRule, left);
        if (!left && !right) builder.dot(at(i), point.fromRule);
    }
    return builder.take();
}

}  // namespace kelmo
