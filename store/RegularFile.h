#pragma once

#include <QString>
#include <functional>

class QFile;

namespace orvella {

// What stands at a path, links followed.
enum class FileKind {
    Missing, // nothing, or a folder on the way is missing or a file
    Regular,
    Folder,
    Device,
    Fifo,
    Socket,
    Unknown, // it cannot be told: a folder on the way cannot be entered, a loop of links
};

FileKind KindAt(const QString& path);

// Opens a regular file for reading in a way that can never block: the path is checked with
// stat, opened with O_NONBLOCK | O_NOCTTY, and the open descriptor is checked again, so that a
// pipe or a device put in its place in between is not read either. False for anything that is
// not a regular file (links followed) or cannot be opened; the file is then not open.
bool OpenRegularFile(QFile& file, const QString& path);

// Where a path, once checked, is about to be used; the test seam below acts here.
void BetweenCheckAndUse(const QString& path);

namespace testing {

// Runs between the check of a path and its use (the opening of a file to read, the rename of a
// new file over the one written), so that a test can put something else there at that moment;
// an empty function removes it.
void SetBetweenCheckAndUse(std::function<void(const QString& path)> action);

} // namespace testing

} // namespace orvella
