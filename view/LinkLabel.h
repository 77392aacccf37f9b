#pragma once

#include <QLabel>

namespace orvella {

// A label that works as a link: it shows the hand pointer and reports a left click.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace orvella
