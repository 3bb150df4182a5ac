#pragma once

// Rounding of lengths to a grid of step (plate widths, standard sizes).
//
// A quotient value / step that lies within 1e-9 of a whole number or of a half counts as
// being on it, so that values which are multiples in decimal (0.3 on a step of 0.1) do not
// move because of binary noise. A step of 0 (or not a finite number) leaves value unchanged;
// the sign of step does not matter.

// The nearest multiple of step; halves go away from zero.
double ObjectExportRoundTo(double value, double step);
// The smallest multiple of step not below value. upTolerance is the tolerance the caller
// will accept above value; the rounding itself does not depend on it (the caller decides
// whether the result lies within it).
double ObjectExportRoundUp(double value, double step, double upTolerance);
