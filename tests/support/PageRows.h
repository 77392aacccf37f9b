#pragma once

#include <QString>
#include <QTest>
#include <utility>

namespace orvella::testing {

// Rows of (element, page) for a test table with the columns "element" and "page": the Help
// and Donate entries that the input window and the main frame both offer, then the others.
inline void addPageRows(std::initializer_list<std::pair<const char*, const char*>> others)
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("page");
    for (const auto& rows : {std::initializer_list<std::pair<const char*, const char*>>{
                                 {"mnuOnline", "help-web-page"},
                                 {"mnuVisit", "home-page"},
                                 {"mnuUpdate", "download-web-page"},
                                 {"mnuDonate", "donate"}},
                             others})
        for (const auto& [element, page] : rows)
            QTest::newRow(element) << QString::fromLatin1(element) << QString::fromLatin1(page);
}

} // namespace orvella::testing
