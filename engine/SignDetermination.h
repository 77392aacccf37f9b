#pragma once

#include "SignIndex.h"

#include <cstdint>

namespace orvella {

// Picks the sun sign from the month and day positions of the input lists. Month indices
// outside 0..10 take the December rule; a day past the month's last sign day, or a day
// index of -1, gives no sign. The year plays no part.
SignResult DetermineSign(std::int16_t monthIndex, std::int16_t dayIndex);

} // namespace orvella
