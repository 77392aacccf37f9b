#pragma once

#include <QLockFile>

class QApplication;

namespace orvella {

// True for a folder only this user can enter: a real directory (not a link), owned by the
// user, with no permission for group or others.
bool IsPrivateFolder(const QString& path);

// Where the single-copy lock lives: in the user's runtime folder when that folder is private.
// Empty when there is none: a shared folder would let another user block this one with a
// file under the lock's fixed name.
QString SingleInstanceLockPath();

// One running copy per user. The lock is held while this object lives; a lock left behind by
// a copy that crashed or was killed names a process that no longer exists, and is taken over, or
// passed over where it cannot be removed; a running copy's lock holds however old it is.
// Only a lock held by a live copy makes this copy a second one: when the lock cannot be taken
// for any other reason (no private folder, a directory where the lock file goes, a folder that
// cannot be written, a full disk) the program runs, without the lock.
class SingleInstance {
public:
    SingleInstance();
    explicit SingleInstance(const QString& lockFilePath);

    bool isFirst() const { return m_first; }
    bool holdsLock() const { return m_lock.isLocked(); }

private:
    QLockFile m_lock;
    bool m_first = false;
};

// Sets up the process before anything else runs, QApplication included. A write beyond a
// file-size limit (ulimit -f) raises SIGXFSZ, which by default ends the process before the
// write can fail: ignored, the write fails with EFBIG, and a save reports it as any failed save.
void PrepareProcess();

// The whole program: sets up the application object and its style, then runs it.
int RunProgram(int& argc, char** argv);

// Runs the program: refuses a second running copy, shows the input window, picks its banner
// and waits for the user. Returns the process's exit code.
int StartApplication(QApplication& app);

// Closes every window, shown or hidden, without a question, and ends the program.
void EndApplication();

} // namespace orvella
