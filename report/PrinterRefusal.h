#pragma once

#include <QString>

class QPrinter;

namespace orvella {

// Why the printer the print dialog chose cannot take a job now, as the print service tells it:
// the printer is gone (or the service with it), it is in its error or aborted state (a stopped
// CUPS queue counts as an error), or its queue turns jobs away. Empty when it can, and for
// output to a file. What this cannot see: Qt hands the finished job to the print service and
// drops its answer, so a job the service refuses for a reason of its own (quota, rights,
// options), a change between this check and the job, and a failure in the printer's filter or
// backend after the job was taken all pass in silence.
QString PrinterRefusal(const QPrinter& printer);

} // namespace orvella
