#include "Scrambler.h"

namespace orvella {

namespace {

QString shifted(QStringView text, int offset)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        const int code = c.unicode() + offset;
        if (c.unicode() <= 255 && code >= 0 && code <= 255)
            result.append(QChar(static_cast<char16_t>(code)));
    }
    return result;
}

} // namespace

QString ScrambleText(QStringView text)
{
    return shifted(text, ScrambleOffset);
}

QString UnscrambleText(QStringView text)
{
    return shifted(text, -ScrambleOffset);
}

} // namespace orvella
