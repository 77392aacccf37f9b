#pragma once

#include <QDate>
#include <QString>

namespace orvella {

// The largest settings file the program reads or writes; its own holds under 100 bytes. A
// larger one is left as it is, and the program runs as on a first run.
inline constexpr qint64 MaxSettingsFileSize = 64 * 1024;

// The per-user store of the program's few settings, under the executable's base name in the
// user's configuration folder. Keys and values are stored exactly as given: callers scramble.
// Only a regular file is read or written (a link is followed and kept), never one beyond
// MaxSettingsFileSize; anything else reads as empty and is left as it is, without a word.
class SettingsStore {
public:
    // The store of the running program.
    SettingsStore();
    // A store kept in the given file; for tests and tools.
    explicit SettingsStore(QString fileName);

    // The stored text, or empty text when the key has never been written.
    QString ReadSetting(const QString& section, const QString& key) const;
    void WriteSetting(const QString& section, const QString& key, const QString& value);

    QString fileName() const { return m_fileName; }

private:
    QString m_fileName;
};

// Qt keeps the state of its own file dialogs in QtProject.conf in the user's configuration
// folder and opens that file blocking, with no way to skip it: a pipe there would hang the
// dialog. Where it is not a regular file within MaxSettingsFileSize, Qt's own settings go to a
// private, empty folder for the rest of the run; the program's own settings stay where they
// are. To be called before every file dialog.
void KeepQtSettingsFromBlocking();

// The day the update reminder last asked: under [Settings], key and value scrambled, the value
// as yyyy-MM-dd. An invalid date when none is stored or the stored value is no such date.
QDate ReadReminderDate(const SettingsStore& settings);
void WriteReminderDate(SettingsStore& settings, const QDate& date);

} // namespace orvella
