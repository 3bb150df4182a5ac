#include "standards/KvStandardSize.h"

#include <algorithm>
#include <cmath>

#include "core/ObjectExportRounding.h"

namespace {

// Distances start beyond any plate dimension, so the first candidate on a side always wins.
constexpr double kNoDistance = 999999999;

struct Choice {
    bool exists = false;
    double size = 0;
    double distance = kNoDistance;
};

bool fitsAbove(const Choice& above, const KvToleranceBand& band) {
    return above.exists && above.distance <= band.upTol && above.size >= band.low();
}

bool fitsBelow(const Choice& below, const KvToleranceBand& band) {
    return below.exists && below.distance <= band.downTol && below.size <= band.high();
}

}  // namespace

bool findNearestStandardSize(const AcArray<double>& candidates, const KvToleranceBand& band,
                             double& size) {
    Choice above, below;
    for (int i = 0; i < candidates.length(); ++i) {
        const double candidate = candidates[i];
        const double difference = candidate - band.value;
        Choice& side = difference > 0 ? above : below;
        const double distance = std::fabs(difference);
        if (distance < side.distance) side = {true, candidate, distance};
    }
    const bool aboveFirst = above.distance < below.distance;
    const Choice& first = aboveFirst ? above : below;
    const Choice& second = aboveFirst ? below : above;
    const bool firstFits = aboveFirst ? fitsAbove(first, band) : fitsBelow(first, band);
    const bool secondFits = aboveFirst ? fitsBelow(second, band) : fitsAbove(second, band);
    if (!firstFits && !secondFits) return false;
    size = firstFits ? first.size : second.size;
    return true;
}

double roundWithinTolerance(double step, const KvToleranceBand& band) {
    const double y = std::max(std::min(band.value, band.high()), band.low());
    const double up = ObjectExportRoundUp(y, step, band.upTol);
    double down = ObjectExportRoundTo(y, step);
    // The nearest multiple may lie above; the one below is then a whole step lower. The
    // step's sign must not turn that into a step upwards.
    if (down > y) down -= std::fabs(step);
    const double dUp = up - band.value;
    const double dDown = band.value - down;
    const bool upFits = dUp <= band.upTol && up <= band.high();
    const bool downFits = dDown <= band.downTol && down >= band.low();
    if (dUp < dDown) {
        if (upFits) return up;
        if (downFits) return down;
    } else {
        if (downFits) return down;
        if (upFits) return up;
    }
    return y;
}

double standardSizeWithTolerance(const AcArray<double>& candidates, double step,
                                 const KvToleranceBand& band) {
    double size = 0;
    if (findNearestStandardSize(candidates, band, size)) return size;
    return roundWithinTolerance(step, band);
}
