#pragma once

#include <QValidator>

namespace orvella {

// The name box takes only the letters A-Z and blanks, lowercase letters turned into capitals.
// As a validator it sees every way text enters the box (typing, paste, drop, input methods);
// an insertion holding anything else is refused whole, and refused() reports it once.
class NameValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override;

signals:
    void refused() const;
};

} // namespace orvella
