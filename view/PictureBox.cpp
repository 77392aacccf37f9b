#include "PictureBox.h"

#include "Look.h"
#include "SharpPicture.h"

#include <QPixmap>

namespace orvella {

PictureBox::PictureBox(bool border, QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (border) {
        // A flat border one pixel wide, drawn in the text colour.
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        QPalette p = palette();
        p.setColor(QPalette::WindowText, QColor(Black));
        setPalette(p);
    }
}

bool PictureBox::showPicture(const PictureRef& ref)
{
    const QString resource = orvella::pictureResource(ref);
    // On a screen with twice the pixel density the picture painted at twice the size is
    // shown, in the same logical size.
    const QPixmap picture = sharpPicture(resource, devicePixelRatioF());
    if (resource.isEmpty() || picture.isNull())
        return false;
    setPixmap(picture);
    const int border = 2 * frameWidth();
    resize(picture.deviceIndependentSize().toSize() + QSize(border, border));
    m_ref = ref;
    m_resource = resource;
    m_shown = true;
    return true;
}

} // namespace orvella
