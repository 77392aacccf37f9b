#include "UpdateReminder.h"

#include "Dialogs.h"
#include "Scrambler.h"
#include "SettingsStore.h"
#include "WebPage.h"

namespace orvella {

namespace {

const QString Section = QStringLiteral("Settings");

QString durationKey()
{
    return ScrambleText(u"Duration");
}

void storeDate(SettingsStore& settings, const QDate& date)
{
    settings.WriteSetting(Section, durationKey(), ScrambleText(date.toString(Qt::ISODate)));
}

} // namespace

void RemindOfUpdate(SettingsStore& settings, const QDate& today, QWidget* parent)
{
    const QString stored = UnscrambleText(settings.ReadSetting(Section, durationKey()));
    const QDate last = QDate::fromString(stored, Qt::ISODate);
    if (!last.isValid()) {
        storeDate(settings, today);
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;
    const bool yes =
        Dialogs::question(parent, QStringLiteral("There maybe an update to this software "
                                                 "available\nDo you want to check for an update?"));
    storeDate(settings, today);
    if (yes)
        OpenWebPage(WebPages::Download);
}

} // namespace orvella
