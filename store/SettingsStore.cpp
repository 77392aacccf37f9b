#include "SettingsStore.h"

#include "Scrambler.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

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

} // namespace

SettingsStore::SettingsStore()
    : m_fileName(
          QSettings(QSettings::IniFormat, QSettings::UserScope, applicationLevel()).fileName())
{}

SettingsStore::SettingsStore(QString fileName)
    : m_fileName(std::move(fileName))
{}

QString SettingsStore::ReadSetting(const QString& section, const QString& key) const
{
    const QSettings settings(m_fileName, QSettings::IniFormat);
    return settings.value(section + u'/' + key).toString();
}

void SettingsStore::WriteSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(m_fileName, QSettings::IniFormat);
    settings.setValue(section + u'/' + key, value);
    settings.sync();
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
