#pragma once

#include <QDate>

class QWidget;

namespace orvella {

class SettingsStore;

// At start-up, once 15 days or more lie between today and the day it last asked (or the
// first run), asks whether to look for a newer version; Yes opens the download page. The
// date is stored scrambled as yyyy-MM-dd; a stored value that is not such a date counts as
// a first run.
void RemindOfUpdate(SettingsStore& settings, const QDate& today, QWidget* parent);

} // namespace orvella
