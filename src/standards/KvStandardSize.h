#pragma once
// Choosing a standard size (a plate thickness or width) for a calculated value, accepting
// sizes down to value - downTol and up to value + upTol. When no standard size lies in that
// band the value is rounded to the step instead, and when even that leaves the band the
// value itself, kept inside the band, is the answer.
#include "host/AcArray.h"

struct KvToleranceBand {
    double value = 0;
    double downTol = 0;
    double upTol = 0;

    double low() const { return value - downTol; }
    double high() const { return value + upTol; }
};

// The candidate nearest to the value within the band; the nearer of the best one above and
// the best one at or below wins, a tie goes to the one below, and the other is taken when
// the nearer does not fit. False when neither fits.
bool findNearestStandardSize(const AcArray<double>& candidates, const KvToleranceBand& band,
                             double& size);

// The value on the grid of step: the nearer of the multiples just above and just below,
// each only when it lies within its tolerance and inside the band; otherwise the value
// limited to the band. A step of 0 leaves the value (so limited) as it is; the sign of the
// step does not matter.
double roundWithinTolerance(double step, const KvToleranceBand& band);

// A standard size when one fits, else the rounded value.
double standardSizeWithTolerance(const AcArray<double>& candidates, double step,
                                 const KvToleranceBand& band);
