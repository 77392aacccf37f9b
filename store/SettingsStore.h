#pragma once

#include <QDate>
#include <QString>

namespace orvella {

// The per-user store of the program's few settings, under the executable's base name in the
// user's configuration folder. Keys and values are stored exactly as given: callers scramble.
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

// The day the update reminder last asked: under [Settings], key and value scrambled, the value
// as yyyy-MM-dd. An invalid date when none is stored or the stored value is no such date.
QDate ReadReminderDate(const SettingsStore& settings);
void WriteReminderDate(SettingsStore& settings, const QDate& date);

} // namespace orvella
