#include "UpdateReminder.h"

#include "Dialogs.h"
#include "SettingsStore.h"
#include "WebPage.h"

namespace orvella {

void RemindOfUpdate(SettingsStore& settings, const QDate& today, QWidget* parent)
{
    const QDate last = ReadReminderDate(settings);
    if (!last.isValid()) {
        WriteReminderDate(settings, today);
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;
    const bool yes =
        Dialogs::question(parent, QStringLiteral("There maybe an update to this software "
                                                 "available\nDo you want to check for an update?"));
    WriteReminderDate(settings, today);
    if (yes)
        OpenWebPage(WebPages::Download);
}

} // namespace orvella
