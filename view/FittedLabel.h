#pragma once

#include <QLabel>

namespace orvella {

// A one-line label that takes the width of its text and keeps its left edge and its height:
// a longer text grows it to the right.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    // The label is measured once, in the font it is shown in.
    FittedLabel(const QString& text, int height, const QFont& font, QWidget* parent);

    // Use this rather than QLabel::setText, which would keep the old width.
    void setFittedText(const QString& text);

protected:
    // A new font changes the text's width: the label follows it.
    void changeEvent(QEvent* event) override;

private:
    int fittedWidth(const QString& text) const;

    int m_height;
};

} // namespace orvella
