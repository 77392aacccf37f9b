#include "NameValidator.h"

namespace orvella {

QValidator::State NameValidator::validate(QString& input, int& /*pos*/) const
{
    QString upper = input;
    for (QChar& c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
        else if (c != u' ' && (c < u'A' || c > u'Z')) {
            emit refused();
            return Invalid;
        }
    }
    input = upper;
    return Acceptable;
}

} // namespace orvella
