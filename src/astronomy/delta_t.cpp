#include "astronomy/delta_t.h"

#include <algorithm>
#include <cmath>

#include "astronomy/delta_t_table.h"

// Delta-T as in S. L. Moshier's ephemeris programs: Borkowski's parabola before 948, Stephenson
// and Morrison's from 948 to the table, the yearly table interpolated by differences up to the
// fourth order from 1620 to 2027 (the almanacs' values to 1999, the IERS observations from 2000),
// and a parabola in the years since 1902 after it. The parabola lies 27.6 s above the table's
// last row and climbs 1.2 s a year where the table falls 0.1 s: after the table the table's
// own slope is carried on and the parabola taken over by a smooth step over a century, so that
// neither Delta-T nor its rate jumps and the near years stay with the observed trend.
namespace kelmo {

namespace {

constexpr double kTableLastYear = kDeltaTFirstYear + kDeltaTTableSize - 1;
constexpr double kTidalCorrectionYear = 1955.0;  // table values before assume ndot = -26"/cy^2
constexpr double kTidalCorrection = -0.0000182;  // seconds per year^2
constexpr double kJoinYears = 100.0;  // years over which the parabola takes over from the table

double beforeTable(double year) {
    if (year < 948.0) {
        const double u = (year - 2000.0) / 100.0 + 3.75;
        return 35.0 * u * u + 40.0;
    }
    const double u = (year - 2000.0) / 100.0;
    return 101.6 + 100.3 * u + 23.58 * u * u;
}

int entry(int i) {
    return kDeltaTTable[i];
}

double longTermParabola(double year) {
    const double b = year - 1902.0;
    return 0.319 * b + 0.00362 * b * b;
}

// The table's last row carried on at the rate of its last year, blended into the parabola by
// the smooth step 3u^2 - 2u^3 (u from 0 at the table's end to 1 a century later), whose rate is
// 0 at both ends.
double afterTable(double year) {
    const double lastRowSeconds = entry(kDeltaTTableSize - 1) * 0.01;
    const double lastRate = (entry(kDeltaTTableSize - 1) - entry(kDeltaTTableSize - 2)) * 0.01;
    const double u = std::min(1.0, (year - kTableLastYear) / kJoinYears);
    const double weight = u * u * (3.0 - 2.0 * u);
    const double trend = lastRowSeconds + lastRate * (year - kTableLastYear);
    return trend + weight * (longTermParabola(year) - trend);
}

// Interpolation in the table by differences up to the fourth, in hundredths of a second.
double fromTable(double year) {
    const double whole = std::floor(year);
    const int i = static_cast<int>(whole) - kDeltaTFirstYear;
    const double p = year - whole;
    const int size = kDeltaTTableSize;

    double ans = entry(i);
    if (i + 1 >= size) return ans;
    ans += p * (entry(i + 1) - entry(i));
    if (i - 1 < 0 || i + 2 >= size) return ans;

    int d[5];
    for (int k = 0, j = i - 2; k < 5; ++k, ++j) {
        d[k] = (j < 0 || j + 1 >= size) ? 0 : entry(j + 1) - entry(j);
    }
    for (int k = 0; k < 4; ++k) d[k] = d[k + 1] - d[k];  // second differences
    double b = 0.25 * p * (p - 1.0);
    ans += b * (d[1] + d[2]);

    for (int k = 0; k < 3; ++k) d[k] = d[k + 1] - d[k];  // third differences
    b = 2.0 * b / 3.0;
    ans += (p - 0.5) * b * d[1];
    if (i - 2 < 0 || i + 3 > size) return ans;

    for (int k = 0; k < 2; ++k) d[k] = d[k + 1] - d[k];  // fourth differences
    b = 0.125 * b * (p + 1.0) * (p - 2.0);
    ans += b * (d[0] + d[1]);
    return ans;
}

}  // namespace

double deltaT(double t) {
    const double year = 2000.0 + 100.0 * t;
    if (year < kDeltaTFirstYear) return beforeTable(year);
    if (year > kTableLastYear) return afterTable(year);

    double seconds = fromTable(year) * 0.01;
    if (year < kTidalCorrectionYear) {
        const double b = year - kTidalCorrectionYear;
        seconds += kTidalCorrection * b * b;
    }
    return seconds;
}

}  // namespace kelmo
