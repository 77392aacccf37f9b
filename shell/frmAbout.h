#pragma once

#include <QDialog>

namespace orvella {

// The About box: the program's name, what it does, and links to our web site.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Creates the box, shows it modal over the parent and discards it when closed.
    static void showModal(QWidget* parent);
};

} // namespace orvella
