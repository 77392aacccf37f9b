#include "UpdateReminder.h"

#include "Dialogs.h"
#include "SettingsStore.h"
#include "WebPage.h"

#include <QCoreApplication>
#include <cstdlib>

namespace orvella {

void RemindOfUpdate(SettingsStore& settings, const QDate& today, QWidget* parent)
{
    const QDate last = ReadReminderDate(settings);
    if (!last.isValid()) {
        WriteReminderDate(settings, today);
        return;
    }
    if (std::abs(today.daysTo(last)) < UpdateReminderDays)
        return;
    const bool yes = Dialogs::question(
        parent, QCoreApplication::translate("orvella::UpdateReminder",
                                            "There maybe an update to this software "
                                            "available\nDo you want to check for an update?"));
    WriteReminderDate(settings, today);
    if (yes)
        OpenWebPage(WebPages::Download);
}

} // namespace orvella
