#include "TreeHighlight.h"

#include "Correspondences.h"

#include <algorithm>

namespace orvella {

QString pathLineName(SphereIndex a, SphereIndex b)
{
    const int first = std::min(toInt(a), toInt(b)) + 1;
    const int second = std::max(toInt(a), toInt(b)) + 1;
    return QStringLiteral("ln%1%2").arg(first).arg(second);
}

TreeHighlight HighlightFor(SignIndex sign)
{
    const SignRow& row = signRow(sign);
    return {QStringLiteral("lbl") + signName(sign), row.sphereOne, row.sphereTwo,
            pathLineName(row.sphereOne, row.sphereTwo)};
}

std::optional<SignIndex> signOfPathLine(const QString& pathLine)
{
    for (const SignIndex sign : AllSigns)
        if (HighlightFor(sign).pathLine == pathLine)
            return sign;
    return std::nullopt;
}

} // namespace orvella
