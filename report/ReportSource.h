#pragma once

#include "BirthInput.h"

#include <QString>
#include <functional>

namespace orvella {

// What the report is composed from: the last Proceed's entries, the input window's three
// list texts as they stand, and the texts the reading view shows now (by field objectName).
struct ReportSource {
    BirthInput birth;
    QString monthText, dayText, yearText;
    std::function<QString(const QString& fieldName)> fieldText;
};

} // namespace orvella
