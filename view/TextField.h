#pragma once

#include <QTextLayout>
#include <QWidget>
#include <memory>

namespace orvella {

// Plain text that the program shows: a caption, a value of the reading, a long text, a link.
// Its text is laid out once, when it changes or the font or the box does, and painted from
// that layout. It is never markup, and the pointer never selects in it.
//
// It is drawn in one of two shapes:
// - a line fitted to its text (fitToText): it keeps its left edge and its height, and takes
//   the width of its text, so a longer text grows it to the right;
// - a box: the widget's own geometry, the text aligned in it as alignment() says, wrapped at
//   word boundaries when wordWrap() is on; what does not fit is cut off at the box.
// Both are laid out and drawn as a QLabel lays out and draws plain text.
//
// The keyboard reaches it only where that is asked for (setTabStopWhileShown), and only while
// it shows a text; one that empties while it has the focus keeps it until the focus leaves.
// Where it is selectable by the keys, the arrow keys move a cursor through the text and
// select with Shift, Ctrl+A selects all and Ctrl+C copies.
class TextField : public QWidget {
    Q_OBJECT

public:
    explicit TextField(QWidget* parent = nullptr);
    TextField(const QString& text, QWidget* parent);

    QString text() const { return m_text; }
    void setText(const QString& text);

    // From now on the field is a line of the given height whose width follows its text.
    void fitToText(int height);
    bool isFittedToText() const { return m_fittedHeight >= 0; }

    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    bool wordWrap() const { return m_wordWrap; }
    void setWordWrap(bool on);

    // Tab reaches the field while it shows a text.
    void setTabStopWhileShown(bool on);
    bool isTabStopWhileShown() const { return m_tabStop; }
    void setSelectableByKeys(bool on);
    bool isSelectableByKeys() const { return m_selectable; }

    bool hasSelectedText() const { return m_anchor != m_cursor; }
    QString selectedText() const;
    // The start of the selection, or -1 without one.
    int selectionStart() const;
    void setSelection(int start, int length);
    int cursorPosition() const { return m_cursor; }
    void setCursorPosition(int position);

    // Where the text's lines lie, for assistive technology: the line that holds a position
    // (its start and end), a character's box and the position under a point, all in the
    // field's own coordinates.
    std::pair<int, int> lineAround(int position) const;
    QRect characterRect(int position) const;
    int positionAt(QPoint point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void layOut();
    // A box is laid out when it is first needed, not at every change on the way.
    void layOutBox() const;
    std::unique_ptr<QTextLayout> boxLayout() const;
    // Breaks the layout into lines of the width, down to the bottom; the text's size.
    QSizeF breakLines(QTextLayout& layout, int width, qreal bottom) const;
    void updateFocusPolicy();
    // Where the laid-out text starts in the widget.
    QPointF origin() const;
    const QTextLayout* layout() const;
    void moveCursor(int position, bool select);
    void announceCursor();

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
    int m_fittedHeight = -1;
    bool m_tabStop = false;
    bool m_selectable = false;
    int m_cursor = 0;
    int m_anchor = 0;

    // A fitted line's layout, shared with every field that shows the same text in the same
    // font; or the box's own layout, with the offset of its text and its size.
    std::shared_ptr<const QTextLayout> m_line;
    mutable std::unique_ptr<QTextLayout> m_box;
    mutable bool m_boxStale = true;
    mutable QPointF m_boxOffset;
    mutable QSizeF m_boxTextSize;
    mutable bool m_boxClipped = false;
};

} // namespace orvella
