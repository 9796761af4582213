// S. L. Moshier's lunar theory (DE404 fit): mean elements, series evaluation, position.
#include "astronomy/lunar_position.h"

#include <cmath>

#include "astronomy/angle_reduction.h"
#include "astronomy/lunar_mean_elements_table.h"
#include "base/angles.h"
#include "calendar/julian_day.h"

namespace kelmo {

namespace {

// Largest harmonic any argument of either series reaches.
constexpr int kMaxHarmonic = 29;

// Wrap limit of the longitude in arcseconds (just inside half a turn).
constexpr double kLongitudeWrapArcsec = 645000.0;

// Light-time correction of the longitude: 0.0118 degrees times (Earth radius / distance).
constexpr double kLightTimeDegrees = 0.0118;

// sin(k a_i) and cos(k a_i) for k = 1 .. maxHarmonic (stored at k - 1), per argument i.
struct SinCosTable {
    std::array<std::array<double, kMaxHarmonic>, kLunarSeriesArguments> sin{};
    std::array<std::array<double, kMaxHarmonic>, kLunarSeriesArguments> cos{};
};

// Multiples of one argument by the angle-addition recurrence from sin a and cos a.
void buildSinCos(SinCosTable& table, int index, double angle, int maxHarmonic) {
    const double sa = std::sin(angle);
    const double ca = std::cos(angle);
    double s = sa;
    double c = ca;
    for (int k = 0; k < maxHarmonic; ++k) {
        table.sin[index][k] = s;
        table.cos[index][k] = c;
        const double next = s * ca + c * sa;
        c = c * ca - s * sa;
        s = next;
    }
}

SinCosTable buildTable(const LunarMeanElements& elements, const LunarSeriesTable& series) {
    SinCosTable table;
    for (int i = 0; i < kLunarSeriesArguments; ++i) {
        if (series.maxHarmonic[i] > 0)
            buildSinCos(table, i, elements.args[i], series.maxHarmonic[i]);
    }
    return table;
}

// c0 + c1 T reduced modulo a full turn, then the higher powers added (arcseconds).
double elementArcsec(const MeanElementPolynomial& p, double t) {
    double x = p.c[0] + p.c[1] * t;
    if (p.reduce) x -= kArcsecPerTurn * std::floor(x / kArcsecPerTurn);
    double higher = 0.0;
    for (int j = 10; j >= 2; --j) higher = higher * t + p.c[j];
    return x + higher * t * t;
}

// Walks the argument table; calls term(cosAngle, sinAngle, degree) for a periodic term and
// polynomial(degree) for a polynomial term, which consume their coefficients themselves.
template <typename Periodic, typename Polynomial>
void walkArguments(const LunarSeriesTable& series, const SinCosTable& table, Periodic term,
                   Polynomial polynomial) {
    const std::int8_t* p = series.arguments.data();
    for (int n = *p++; n >= 0; n = *p++) {
        if (n == 0) {
            polynomial(*p++);
            continue;
        }
        double cv = 1.0;  // cos and sin of the angle sum, by complex multiplication
        double sv = 0.0;
        for (int a = 0; a < n; ++a) {
            const int multiple = *p++;
            const int arg = *p++ - 1;
            if (multiple == 0) continue;
            const int k = std::abs(multiple) - 1;
            const double su = multiple < 0 ? -table.sin[arg][k] : table.sin[arg][k];
            const double cu = table.cos[arg][k];
            const double s = su * cv + cu * sv;
            cv = cu * cv - su * sv;
            sv = s;
        }
        term(cv, sv, *p++);
    }
}

// Horner's scheme over degree + 1 coefficients, highest power first; advances c.
double horner(const std::int32_t*& c, int degree, double t) {
    double sum = *c++;
    for (int i = 0; i < degree; ++i) sum = sum * t + *c++;
    return sum;
}

// The cosine and sine amplitude polynomials of a periodic term, combined; advances c.
double periodicTerm(const std::int32_t*& c, int degree, double t, double cv, double sv) {
    double cu = *c++;
    double su = *c++;
    for (int i = 0; i < degree; ++i) {
        cu = cu * t + *c++;
        su = su * t + *c++;
    }
    return cu * cv + su * sv;
}

}  // namespace

LunarMeanElements meanElements(double tTT) {
    LunarMeanElements elements;
    for (const MeanElementPolynomial& p : kLunarMeanElements) {
        const double x = elementArcsec(p, tTT);
        elements.args[p.index] = x * kArcsecToRad;
        if (p.index == 13) elements.moonLongitudeArcsec = x;
    }
    double precession = 0.0;
    for (int j = 10; j >= 1; --j) precession = precession * tTT + kGeneralPrecession[j];
    elements.precessionArcsec = precession * tTT;
    return elements;
}

LongitudeDistanceSums seriesLongitudeDistance(double jdTT, const LunarSeriesTable& series) {
    const SinCosTable table = buildTable(meanElements(centuriesSinceJ2000(jdTT)), series);
    const double t = (jdTT - kJ2000) / series.timeScaleDays;
    const std::int32_t* lon = series.first.data();
    const std::int32_t* rad = series.second.data();
    LongitudeDistanceSums sums;
    walkArguments(
        series, table,
        [&](double cv, double sv, int degree) {
            sums.longitudeArcsec += periodicTerm(lon, degree, t, cv, sv);
            sums.distanceArcsec += periodicTerm(rad, degree, t, cv, sv);
        },
        [&](int degree) {
            sums.longitudeArcsec += horner(lon, degree, t);
            sums.distanceArcsec += horner(rad, degree, t);
        });
    sums.longitudeArcsec *= series.coefficientUnit;
    sums.distanceArcsec *= series.coefficientUnit;
    return sums;
}

double seriesLatitude(double jdTT, const LunarSeriesTable& series) {
    const SinCosTable table = buildTable(meanElements(centuriesSinceJ2000(jdTT)), series);
    const double t = (jdTT - kJ2000) / series.timeScaleDays;
    const std::int32_t* lat = series.first.data();
    double sum = 0.0;
    walkArguments(
        series, table,
        [&](double cv, double sv, int degree) { sum += periodicTerm(lat, degree, t, cv, sv); },
        [&](int degree) { sum += horner(lat, degree, t); });
    return sum * series.coefficientUnit;
}

EclipticPosition lunarPosition(double tTT) {
    const double jd = kDaysPerCentury * tTT + kJ2000;
    const LongitudeDistanceSums sums = seriesLongitudeDistance(jd, kMoonLongitudeDistance);

    double longitude = sums.longitudeArcsec + meanElements(tTT).moonLongitudeArcsec;
    if (longitude < -kLongitudeWrapArcsec) longitude += kArcsecPerTurn;
    if (longitude > kLongitudeWrapArcsec) longitude -= kArcsecPerTurn;

    EclipticPosition moon;
    moon.latitude = seriesLatitude(jd, kMoonLatitude) * kArcsecToRad;
    moon.distance = (sums.distanceArcsec * kArcsecToRad + 1.0) *
                    kMoonLongitudeDistance.meanDistanceAu * kAstronomicalUnitKm;
    moon.longitude = longitude * kArcsecToRad -
                     kLightTimeDegrees * kDegToRad * (kEarthEquatorialRadiusKm / moon.distance);
    moon.longitude = reduceAngle(moon.longitude);
    return moon;
}

}  // namespace kelmo
