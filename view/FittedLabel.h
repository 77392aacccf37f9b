#pragma once

#include "FocusableLabel.h"

#include <memory>

class QTextLayout;

namespace orvella {

// A one-line label that takes the width of its text and keeps its left edge and its height:
// a longer text grows it to the right.
class FittedLabel : public FocusableLabel {
    Q_OBJECT

public:
    // The label is measured once, in the font it is shown in.
    FittedLabel(const QString& text, int height, const QFont& font, QWidget* parent);

    // Use this rather than QLabel::setText, which would keep the old width.
    void setFittedText(const QString& text);

    // Tab reaches the label while it shows a text; an empty label, which has no width, is
    // passed over.
    void setTabFocusWhileShown(bool on);

protected:
    // A new font changes the text's width: the label follows it.
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Lays the text out, or finds it laid out, and returns the label's width for it.
    int layOutLine(const QString& text);
    QPoint textOrigin() const;

    int m_height;
    // The text laid out once in the label's font, shared by every label that shows it.
    std::shared_ptr<const QTextLayout> m_line;
    bool m_tabFocus = false;
};

} // namespace orvella
