#pragma once

#include <QDate>

class QWidget;

namespace orvella {

class SettingsStore;

// How many days must lie between today and the day the reminder last asked, before or after
// it (a clock set back counts too), for it to ask again.
inline constexpr qint64 UpdateReminderDays = 15;

// At start-up, once UpdateReminderDays or more lie between today and the day it last asked (or
// the first run), asks whether to look for a newer version; Yes opens the download page. The
// date is stored scrambled as yyyy-MM-dd; a stored value that is not such a date counts as
// a first run.
void RemindOfUpdate(SettingsStore& settings, const QDate& today, QWidget* parent);

} // namespace orvella
