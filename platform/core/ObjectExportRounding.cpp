#include "core/ObjectExportRounding.h"

#include <cmath>

namespace {

constexpr double kNoise = 1e-9;

bool usableStep(double step) {
    return std::isfinite(step) && step != 0.0;
}

}  // namespace

double ObjectExportRoundTo(double value, double step) {
    if (!usableStep(step) || !std::isfinite(value)) return value;
    step = std::fabs(step);
    const double q = value / step;
    const double whole = std::round(q);
    // Within the noise of a half: away from zero, as std::round does for an exact half.
    const double half = std::floor(q) + 0.5;
    const double n = std::fabs(q - half) < kNoise ? (q < 0 ? std::floor(q) : std::ceil(q)) : whole;
    return n * step;
}

double ObjectExportRoundUp(double value, double step, double /*upTolerance*/) {
    if (!usableStep(step) || !std::isfinite(value)) return value;
    step = std::fabs(step);
    const double q = value / step;
    const double nearest = std::round(q);
    const double n = std::fabs(q - nearest) < kNoise ? nearest : std::ceil(q);
    return n * step;
}
