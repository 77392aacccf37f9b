#include "NameValidator.h"

#include "BirthInputRules.h"

namespace orvella {

std::optional<QChar> txtName_KeyPress(QChar c)
{
    return nameCharacter(c);
}

QValidator::State NameValidator::validate(QString& input, int& /*pos*/) const
{
    std::optional<QString> name = nameUnderRule(input);
    if (!name) {
        emit refused();
        return Invalid;
    }
    input = std::move(*name);
    return Acceptable;
}

} // namespace orvella
