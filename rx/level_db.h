#pragma once
// Whole decibels relative to 16-bit full scale, as the level display, the
// key detector and the spectrum use them.

namespace qs::rx {

// truncate(20 * log10(magnitude / transformSize / 32768)) clamped to -90..0;
// a magnitude of 0 (or anything not positive) counts as -90. Computed the
// same way on every build, without the C library's log10.
int levelDb(double magnitude, int transformSize);

}  // namespace qs::rx
