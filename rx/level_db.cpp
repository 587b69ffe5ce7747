#include "rx/level_db.h"

#include <cmath>

#include "rx/receive_constants.h"

namespace qs::rx {

int levelDb(double magnitude, int transformSize) {
    if (!(magnitude > 0.0)) return kMinLevelDb;
    const double db = 20.0 * std::log10(magnitude / transformSize / 32768.0);
    // Clamp before converting so that no value is out of the int range;
    // truncation toward zero then clamping gives the same result.
    if (db >= kMaxLevelDb) return kMaxLevelDb;
    if (db <= kMinLevelDb) return kMinLevelDb;
    return static_cast<int>(db);
}

}  // namespace qs::rx
