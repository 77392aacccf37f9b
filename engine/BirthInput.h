#pragma once

#include <QString>
#include <cstdint>

namespace orvella {

// The entries Proceed captures from the input window. The engine reads only the two
// indices; the name, day, month name and year are what a report file keeps.
struct BirthInput {
    QString name;
    std::int16_t year = 0;
    QString monthName;
    std::int16_t day = 0;
    std::int16_t monthIndex = -1; // 0 = January; -1 when nothing is selected
    std::int16_t dayIndex = -1;   // 0 = day 1; -1 when nothing is selected
};

} // namespace orvella
