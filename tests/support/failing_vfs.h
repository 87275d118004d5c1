// A SQLite VFS for tests that wraps the default one and fails on demand:
// writes (as a full disk), syncs (as an I/O error), or reads (as damage in
// every database page but the first, or as an I/O error). Installed as the default VFS of the
// process, so the store component, which shares the process's SQLite,
// opens its files through it.
#ifndef TARNWICK_TESTS_SUPPORT_FAILING_VFS_H
#define TARNWICK_TESTS_SUPPORT_FAILING_VFS_H

namespace failing_vfs {

enum Fault : unsigned { kNone = 0, kWrites = 1, kSyncs = 2, kDamagedReads = 4, kFailedReads = 8 };

// Registers the VFS as the default (once) and clears every fault.
bool Install();
// Which faults act from now on; kNone heals.
void Inject(unsigned faults);
// Writes and syncs refused since the last Inject.
int Refusals();

}  // namespace failing_vfs

#endif
