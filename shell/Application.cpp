#include "Application.h"

#include "CoBrand.h"
#include "Dialogs.h"
#include "Look.h"
#include "SettingsStore.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QLockFile>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QTimer>
#include <csignal>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace orvella {

namespace {

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

} // namespace

bool IsPrivateFolder(const QString& path)
{
    struct stat info {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

QString SingleInstanceLockPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return IsPrivateFolder(folder) ? folder + QStringLiteral("/orvella.lock") : QString();
}

SingleInstance::SingleInstance()
    : SingleInstance(SingleInstanceLockPath())
{}

SingleInstance::SingleInstance(const QString& lockFilePath)
    : m_lock(lockFilePath)
{
    if (lockFilePath.isEmpty()) {
        m_first = true;
        return;
    }
    m_lock.setStaleLockTime(0); // only the lock of a process that is gone is stale
    if (m_lock.tryLock(0)) {
        m_first = true;
        return;
    }
    // LockFailedError alone means the file exists; QLockFile has then found the process it
    // names alive and running this program. Where no process can be read from it (a directory,
    // an empty or foreign file) nothing shows another copy.
    qint64 pid = 0;
    QString host;
    QString application;
    const bool heldByLiveCopy = m_lock.error() == QLockFile::LockFailedError &&
                                m_lock.getLockInfo(&pid, &host, &application);
    m_first = !heldByLiveCopy;
}

void PrepareProcess()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

int RunProgram(int& argc, char** argv)
{
    PrepareProcess(); // before Qt writes anything, such as font caches
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
        Dialogs::information(
            nullptr,
            QCoreApplication::translate("orvella::Application", "Application is already running"));
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
    // Program-wide, as the end is: closing a window (the frame, the input window) runs
    // EndApplication again from the window's close handler while the loop below is running,
    // and that inner call must not start the windows' closing over.
    static bool ending = false;
    if (ending)
        return;
    const QScopedValueRollback endingNow(ending, true);
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::quit();
}

} // namespace orvella
