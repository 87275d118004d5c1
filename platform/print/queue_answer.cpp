#include "print/queue_answer.h"

#include <cups/cups.h>

namespace tarnwick::print {

// CUPS keeps, per thread, the status of the last request it made; the job
// just handed over made the last ones, and any status from redirection up
// means it was not taken.
bool QueueRefusedLastJob() { return cupsLastError() >= IPP_STATUS_REDIRECTION_OTHER_SITE; }

}  // namespace tarnwick::print
