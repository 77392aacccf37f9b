#include "Application.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Ties the windows to the installed menu entry, whose name and icon the desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvella.Orvella"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/orvella.png")));
    return orvella::StartApplication(app);
}
