#include "CoBrand.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <cfenv>
#include <cmath>

namespace orvella {

Banner BannerFor(double r)
{
    // nearbyint rounds halves to even in the default rounding mode.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const auto n = static_cast<int>(std::nearbyint(6.0 * r + 1.0));
    std::fesetround(previous);
    if (n == 7)
        return Banner::Unchanged;
    return n % 2 == 1 ? Banner::CoBrand : Banner::FullBrand;
}

double BannerRandom()
{
    // Program-wide: one sequence for the whole run, seeded once, as every window's banner draws
    // from it.
    static QRandomGenerator generator(
        static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() & 0xffffffff));
    return generator.generateDouble();
}

} // namespace orvella
