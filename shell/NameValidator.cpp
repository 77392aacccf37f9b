#include "NameValidator.h"

#include "BirthInputRules.h"

namespace orvella {

std::optional<QString> txtName_KeyPress(char32_t c)
{
    return nameCharacter(c);
}

QValidator::State NameValidator::validate(QString& input, int& pos) const
{
    std::optional<QString> name = nameUnderRule(input);
    if (!name) {
        emit refused();
        return Invalid;
    }
    // A letter may become two capitals (ß → SS): the cursor stays behind what was inserted.
    if (name->size() != input.size())
        pos = int(nameUnderRule(QStringView(input).left(pos)).value_or(QString()).size());
    input = std::move(*name);
    return Acceptable;
}

} // namespace orvella
