#include "SettingsStore.h"

#include "RegularFile.h"
#include "Scrambler.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <optional>

namespace orvella {

namespace {

const QString ReminderSection = QStringLiteral("Settings");

QString reminderKey()
{
    return ScrambleText(u"Duration");
}

QString applicationLevel()
{
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return base.isEmpty() ? QStringLiteral("orvella") : base;
}

// The settings file's bytes, empty where there is none; nothing where the file must be left
// alone: something else than a regular file (links followed), a file that cannot be read, or
// one beyond MaxSettingsFileSize.
std::optional<QByteArray> usableContent(const QString& fileName)
{
    if (KindAt(fileName) == FileKind::Missing)
        return QByteArray();
    QFile file;
    if (!OpenRegularFile(file, fileName) || file.size() > MaxSettingsFileSize)
        return std::nullopt;
    const QByteArray content = file.read(MaxSettingsFileSize + 1);
    if (file.error() != QFileDevice::NoError || content.size() > MaxSettingsFileSize)
        return std::nullopt;
    return content;
}

// The settings file's content as QSettings reads and writes it, in a private copy: QSettings
// opens its file itself, blocking, and renames its new file over whatever the path leads to,
// so it never sees the user's file, only what was read from it safely.
class SettingsCopy {
public:
    explicit SettingsCopy(const QByteArray& content)
    {
        if (!m_folder.isValid())
            return;
        QFile file(fileName());
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return;
        file.close();
        m_settings.emplace(fileName(), QSettings::IniFormat);
    }

    QSettings* settings() { return m_settings ? &*m_settings : nullptr; }

    // The content after a change, or nothing when the copy could not be written.
    std::optional<QByteArray> content()
    {
        m_settings->sync();
        // A FormatError tells of what was read: garbage that the new file leaves out.
        if (m_settings->status() == QSettings::AccessError)
            return std::nullopt;
        QFile file(fileName());
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }

private:
    QString fileName() const { return m_folder.filePath(QStringLiteral("settings.ini")); }

    QTemporaryDir m_folder;
    std::optional<QSettings> m_settings;
};

} // namespace

SettingsStore::SettingsStore()
    // Where QSettings keeps the user-level file of an organisation named after the program, as
    // earlier versions stored it. Not asked of QSettings itself, which reads the file at once.
    : m_fileName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
                 applicationLevel() + QStringLiteral(".ini"))
{}

SettingsStore::SettingsStore(QString fileName)
    : m_fileName(std::move(fileName))
{}

QString SettingsStore::ReadSetting(const QString& section, const QString& key) const
{
    const std::optional<QByteArray> content = usableContent(m_fileName);
    if (!content || content->isEmpty())
        return {};
    SettingsCopy copy(*content);
    return copy.settings() ? copy.settings()->value(section + u'/' + key).toString() : QString();
}

void SettingsStore::WriteSetting(const QString& section, const QString& key, const QString& value)
{
    // A file that is not read is not written either: it stays as it is.
    const std::optional<QByteArray> content = usableContent(m_fileName);
    if (!content)
        return;
    SettingsCopy copy(*content);
    if (!copy.settings())
        return;
    copy.settings()->setValue(section + u'/' + key, value);
    const std::optional<QByteArray> changed = copy.content();
    // Nothing to tell: the program starts without what it could not keep.
    if (changed && changed->size() <= MaxSettingsFileSize)
        static_cast<void>(WriteWholeFile(m_fileName, *changed));
}

void KeepQtSettingsFromBlocking()
{
    // Program-wide, as Qt's settings path is; once moved, they stay moved for the run.
    static std::optional<QTemporaryDir> privateFolder;
    if (privateFolder)
        return;
    const QString qtFile = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/QtProject.conf");
    if (usableContent(qtFile))
        return;
    privateFolder.emplace();
    if (privateFolder->isValid())
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, privateFolder->path());
}

QDate ReadReminderDate(const SettingsStore& settings)
{
    const QString stored = UnscrambleText(settings.ReadSetting(ReminderSection, reminderKey()));
    return QDate::fromString(stored, Qt::ISODate);
}

void WriteReminderDate(SettingsStore& settings, const QDate& date)
{
    settings.WriteSetting(ReminderSection, reminderKey(), ScrambleText(date.toString(Qt::ISODate)));
}

} // namespace orvella
