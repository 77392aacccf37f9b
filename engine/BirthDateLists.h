#pragma once

#include <QStringList>

namespace orvella {

// The entries of the input window's three date lists, in list order: "1" to "31",
// "January" to "December" and "1900" to "2050". A report file holds entries of these lists.
const QStringList& dayEntries();
const QStringList& monthEntries();
const QStringList& yearEntries();

// The month list's shown texts: the months of monthEntries(), in the same order, in the user's
// language. A month is known by its position; what is stored is always monthEntries()'s name.
QStringList monthTexts();
QString monthText(int monthIndex); // 0 = January

} // namespace orvella
