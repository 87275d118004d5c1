// What a print queue answered to the job handed to it last. Qt hands a
// queue's job to CUPS when its painter ends and keeps no word of the
// answer, so the layer asks CUPS itself.
#ifndef TARNWICK_PLATFORM_PRINT_QUEUE_ANSWER_H
#define TARNWICK_PLATFORM_PRINT_QUEUE_ANSWER_H

namespace tarnwick::print {

// True when the last job this thread handed to a queue was refused (the
// queue does not accept jobs, is gone, or the scheduler cannot be reached).
bool QueueRefusedLastJob();

}  // namespace tarnwick::print

#endif
