#pragma once

#include "PictureList.h"

#include <QLabel>

namespace orvella {

// A box that shows one picture of a picture list at the picture's own size. It remembers
// which picture it shows, so the reading can be read back from the window.
class PictureBox : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString pictureResource READ pictureResource)
    Q_PROPERTY(int pictureList READ pictureListNumber)
    Q_PROPERTY(int picturePosition READ picturePosition)

public:
    PictureBox(bool border, QWidget* parent);

    // Shows the picture and fits the box around it. A picture that cannot be loaded changes
    // nothing: the box keeps what it showed.
    bool showPicture(const PictureRef& ref);

    QString pictureResource() const { return m_resource; }
    // What the shown picture shows, in words ("The Devil, card XV").
    QString shows() const { return m_shown ? pictureDescription(m_ref) : QString(); }
    int pictureListNumber() const { return m_shown ? static_cast<int>(m_ref.list) : -1; }
    int picturePosition() const { return m_shown ? m_ref.position : 0; }

private:
    PictureRef m_ref;
    QString m_resource;
    bool m_shown = false;
};

} // namespace orvella
