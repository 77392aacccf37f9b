#pragma once

#include <QStringList>

namespace orvella {

// The entries of the input window's three date lists, in list order: "1" to "31",
// "January" to "December" and "1900" to "2050". A report file holds entries of these lists.
const QStringList& dayEntries();
const QStringList& monthEntries();
const QStringList& yearEntries();

} // namespace orvella
