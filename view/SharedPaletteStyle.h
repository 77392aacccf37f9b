#pragma once

#include <QProxyStyle>

namespace orvella {

// Draws scroll bars with one palette object for each set of colours. The style keeps what it
// drew in the pixmap cache under the palette's identity, and every new widget brings a new
// palette object even when its colours are the same: without this, each reading would add
// the same scroll bar pictures to the cache again.
class SharedPaletteStyle : public QProxyStyle {
    Q_OBJECT

public:
    // The one instance, made on first use; it lives as long as the application object.
    static SharedPaletteStyle* instance();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

private:
    SharedPaletteStyle() = default;

    const QPalette& shared(const QPalette& palette) const;

    mutable QList<QPalette> m_palettes;
};

} // namespace orvella
