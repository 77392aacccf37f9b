#pragma once

#include <QLabel>

namespace orvella {

// A label of plain text that Tab can reach (given a focus policy). QLabel gives every label that
// takes the focus a text document of its own, for links and selection, and lays each new text out
// in it; a label without either needs none. This one goes without a document until the keys are to
// select in it: when it is made selectable by the keys, that happens when the focus first
// reaches it. The pointer never selects in it.
class FocusableLabel : public QLabel {
    Q_OBJECT

public:
    explicit FocusableLabel(QWidget* parent, bool selectableByKeys = false);

    // What QLabel::setText does, without making the text document.
    void setLabelText(const QString& text);

    bool selectableByKeys() const { return m_selectableByKeys; }

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

    // Whether QLabel keeps a text document for the label: selectable text.
    bool hasTextDocument() const;

private:
    bool m_selectableByKeys;
};

} // namespace orvella
