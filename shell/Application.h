#pragma once

#include <QLockFile>

class QApplication;

namespace orvella {

// One running copy per user. The lock is held while this object lives; a lock left behind by
// a copy that crashed or was killed names a process that no longer exists, and is taken over.
class SingleInstance {
public:
    SingleInstance();
    explicit SingleInstance(const QString& lockFilePath);

    bool isFirst() const { return m_first; }

private:
    QLockFile m_lock;
    bool m_first = false;
};

// The whole program: sets up the application object and its style, then runs it.
int RunProgram(int& argc, char** argv);

// Runs the program: refuses a second running copy, shows the input window, picks its banner
// and waits for the user. Returns the process's exit code.
int StartApplication(QApplication& app);

// Closes every window, shown or hidden, without a question, and ends the program.
void EndApplication();

} // namespace orvella
