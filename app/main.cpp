#include "Application.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    orvella::PrepareProcess(); // before Qt writes anything, such as font caches
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/orvella.png")));
    return orvella::StartApplication(app);
}
