#include "Application.h"

#include "CoBrand.h"
#include "Dialogs.h"
#include "Look.h"
#include "SettingsStore.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <functional>

namespace orvella {

namespace {

bool ending = false;

// Runs an action once the window has been painted for the first time.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> action)
        : QObject(window)
        , m_action(std::move(action))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The paint itself goes on first; the action follows it.
            QTimer::singleShot(0, this, [this] {
                m_action();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

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

int RunProgram(int& argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Ties the windows to the installed menu entry, whose name and icon the desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvella.Orvella"));
    return StartApplication(app);
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
    new AfterFirstPaint(&input, useApplicationIcon);
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
