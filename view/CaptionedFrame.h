#pragma once

#include <QGroupBox>

namespace orvella {

// A framed box with its caption on the top edge, in a caption colour and font of its own,
// drawn the same way under every widget style.
class CaptionedFrame : public QGroupBox {
    Q_OBJECT

public:
    CaptionedFrame(const QString& caption, const QFont& captionFont, const QColor& captionColor,
                   const QColor& background, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_captionFont;
    QColor m_captionColor;
    QColor m_background;
};

} // namespace orvella
