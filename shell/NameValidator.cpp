#include "NameValidator.h"

namespace orvella {

std::optional<QChar> txtName_KeyPress(QChar c)
{
    if (c >= u'a' && c <= u'z')
        return QChar(c.unicode() - 32);
    if (c == u' ' || (c >= u'A' && c <= u'Z'))
        return c;
    return std::nullopt;
}

QValidator::State NameValidator::validate(QString& input, int& /*pos*/) const
{
    QString filtered = input;
    for (QChar& c : filtered) {
        const std::optional<QChar> taken = txtName_KeyPress(c);
        if (!taken) {
            emit refused();
            return Invalid;
        }
        c = *taken;
    }
    input = filtered;
    return Acceptable;
}

} // namespace orvella
