#pragma once

#include <QValidator>
#include <optional>

namespace orvella {

// The key filter of the name box: the name rule of engine/BirthInputRules.h for one key.
std::optional<QString> txtName_KeyPress(char32_t c);

// The name box's filter applied to every insertion. As a validator it sees every way text enters
// the box (typing, paste, drop, input methods); an insertion holding anything else is refused
// whole, and refused() reports it once.
class NameValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;

signals:
    void refused() const;
};

} // namespace orvella
