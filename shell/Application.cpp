#include "Application.h"

#include "CoBrand.h"
#include "Dialogs.h"
#include "SettingsStore.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace orvella {

namespace {

bool ending = false;

// The lock lives in the user's own runtime folder.
QString lockFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/orvella.lock");
}

} // namespace

SingleInstance::SingleInstance()
    : SingleInstance(lockFilePath())
{}

SingleInstance::SingleInstance(const QString& lockFilePath)
    : m_lock(lockFilePath)
{
    m_lock.setStaleLockTime(0); // only the lock of a process that is gone is stale
    m_first = m_lock.tryLock(0);
}

int StartApplication(QApplication& app)
{
    // The program ends through EndApplication alone: Back closes the last visible window
    // while the input window is still hidden.
    app.setQuitOnLastWindowClosed(false);

    const SingleInstance instance;
    if (!instance.isFirst()) {
        Dialogs::information(nullptr, QStringLiteral("Application is already running"));
        return 0;
    }

    SettingsStore settings;
    BannerRandom(); // seeds the generator from the clock
    frmMain input(settings);
    input.show();
    input.CoBrand_Randomize(BannerRandom());
    return app.exec();
}

void EndApplication()
{
    if (ending)
        return;
    ending = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::quit();
    ending = false;
}

} // namespace orvella
