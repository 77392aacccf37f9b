#pragma once

#include <QLabel>

namespace orvella {

// A one-line label that takes the width of its text and keeps its left edge and its height:
// a longer text grows it to the right.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    FittedLabel(const QString& text, int height, QWidget* parent);

    // Use this rather than QLabel::setText, which would keep the old width.
    void setFittedText(const QString& text);

    // Tab reaches the label while it shows a text; an empty label, which has no width, is
    // passed over.
    void setTabFocusWhileShown(bool on);

protected:
    // A new font changes the text's width: the label follows it.
    void changeEvent(QEvent* event) override;

private:
    int m_height;
    bool m_tabFocus = false;
};

} // namespace orvella
