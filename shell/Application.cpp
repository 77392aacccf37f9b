#include "Application.h"

#include "CoBrand.h"
#include "Dialogs.h"
#include "Language.h"
#include "Look.h"
#include "RegularFile.h"
#include "SettingsStore.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <functional>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace orvella {

namespace {

// Whether the process a lock file names runs the program it names, on this machine, as QLockFile
// asks before it takes a stale lock over. Asked again here because a stale lock that cannot be
// removed (a folder without write permission) leaves QLockFile with the same error as a held
// one. A lock of another machine, or of a process whose program cannot be read, counts as held.
bool namesRunningCopy(qint64 pid, const QString& host, const QString& application)
{
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        return true;
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max() ||
        (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
        return false;
    const QString program = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return program.isEmpty() || QFileInfo(program).fileName() == QFileInfo(application).fileName();
}

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
    // QLockFile reads a lock it finds with a blocking open: a pipe there would hang the start.
    if (const FileKind kind = KindAt(lockFilePath);
        kind != FileKind::Missing && kind != FileKind::Regular) {
        m_first = true;
        return;
    }
    m_lock.setStaleLockTime(0); // only the lock of a process that is gone is stale
    if (m_lock.tryLock(0)) {
        m_first = true;
        return;
    }
    // LockFailedError alone means the file exists. Where no process can be read from it (a
    // directory, an empty or foreign file), or the process it names is gone, nothing shows
    // another copy.
    qint64 pid = 0;
    QString host;
    QString application;
    const bool heldByLiveCopy = m_lock.error() == QLockFile::LockFailedError &&
                                m_lock.getLockInfo(&pid, &host, &application) &&
                                namesRunningCopy(pid, host, application);
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
    InstallLanguage(app);
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
