#include "failing_vfs.h"

#include <sqlite3.h>

#include <atomic>
#include <cstring>

namespace failing_vfs {
namespace {

std::atomic<unsigned> faults{kNone};
std::atomic<int> refusals{0};
sqlite3_vfs* real = nullptr;
sqlite3_vfs shim;
sqlite3_io_methods methods;

// Our file: the real file's methods and state follow this header.
struct ShimFile {
    sqlite3_file base;
    bool mainDatabase;
    sqlite3_file* Real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

ShimFile* Of(sqlite3_file* file) { return reinterpret_cast<ShimFile*>(file); }
bool Active(unsigned fault) { return (faults.load() & fault) != 0; }

int Refuse(int code) {
    ++refusals;
    return code;
}

int Close(sqlite3_file* f) { return Of(f)->Real()->pMethods->xClose(Of(f)->Real()); }
int Read(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset) {
    if (Active(kFailedReads) && Of(f)->mainDatabase && offset >= 4096) return SQLITE_IOERR_READ;
    const int rc = Of(f)->Real()->pMethods->xRead(Of(f)->Real(), data, amount, offset);
    // Pages past the first turn to noise, as a damaged disk returns them.
    if (rc == SQLITE_OK && Active(kDamagedReads) && Of(f)->mainDatabase && offset >= 4096)
        std::memset(data, 0x5A, static_cast<size_t>(amount));
    return rc;
}
int Write(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset) {
    if (Active(kWrites)) return Refuse(SQLITE_FULL);
    return Of(f)->Real()->pMethods->xWrite(Of(f)->Real(), data, amount, offset);
}
int Truncate(sqlite3_file* f, sqlite3_int64 size) {
    if (Active(kWrites)) return Refuse(SQLITE_FULL);
    return Of(f)->Real()->pMethods->xTruncate(Of(f)->Real(), size);
}
int Sync(sqlite3_file* f, int flags) {
    if (Active(kSyncs)) return Refuse(SQLITE_IOERR_FSYNC);
    return Of(f)->Real()->pMethods->xSync(Of(f)->Real(), flags);
}
int FileSize(sqlite3_file* f, sqlite3_int64* size) { return Of(f)->Real()->pMethods->xFileSize(Of(f)->Real(), size); }
int Lock(sqlite3_file* f, int level) { return Of(f)->Real()->pMethods->xLock(Of(f)->Real(), level); }
int Unlock(sqlite3_file* f, int level) { return Of(f)->Real()->pMethods->xUnlock(Of(f)->Real(), level); }
int CheckReservedLock(sqlite3_file* f, int* out) {
    return Of(f)->Real()->pMethods->xCheckReservedLock(Of(f)->Real(), out);
}
int FileControl(sqlite3_file* f, int op, void* arg) {
    return Of(f)->Real()->pMethods->xFileControl(Of(f)->Real(), op, arg);
}
int SectorSize(sqlite3_file* f) { return Of(f)->Real()->pMethods->xSectorSize(Of(f)->Real()); }
int DeviceCharacteristics(sqlite3_file* f) {
    return Of(f)->Real()->pMethods->xDeviceCharacteristics(Of(f)->Real());
}
int ShmMap(sqlite3_file* f, int page, int size, int extend, void volatile** out) {
    return Of(f)->Real()->pMethods->xShmMap(Of(f)->Real(), page, size, extend, out);
}
int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
    return Of(f)->Real()->pMethods->xShmLock(Of(f)->Real(), offset, n, flags);
}
void ShmBarrier(sqlite3_file* f) { Of(f)->Real()->pMethods->xShmBarrier(Of(f)->Real()); }
int ShmUnmap(sqlite3_file* f, int deleteFlag) { return Of(f)->Real()->pMethods->xShmUnmap(Of(f)->Real(), deleteFlag); }
// No memory-mapped pages: every read goes through Read.
int Fetch(sqlite3_file*, sqlite3_int64, int, void** out) {
    *out = nullptr;
    return SQLITE_OK;
}
int Unfetch(sqlite3_file*, sqlite3_int64, void*) { return SQLITE_OK; }

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
    ShimFile* ours = Of(file);
    const int rc = real->xOpen(real, name, ours->Real(), flags, outFlags);
    ours->mainDatabase = (flags & SQLITE_OPEN_MAIN_DB) != 0;
    // A file SQLite must not close has no methods.
    ours->base.pMethods = ours->Real()->pMethods != nullptr ? &methods : nullptr;
    return rc;
}

void Build() {
    methods.iVersion = 3;
    methods.xClose = Close;
    methods.xRead = Read;
    methods.xWrite = Write;
    methods.xTruncate = Truncate;
    methods.xSync = Sync;
    methods.xFileSize = FileSize;
    methods.xLock = Lock;
    methods.xUnlock = Unlock;
    methods.xCheckReservedLock = CheckReservedLock;
    methods.xFileControl = FileControl;
    methods.xSectorSize = SectorSize;
    methods.xDeviceCharacteristics = DeviceCharacteristics;
    methods.xShmMap = ShmMap;
    methods.xShmLock = ShmLock;
    methods.xShmBarrier = ShmBarrier;
    methods.xShmUnmap = ShmUnmap;
    methods.xFetch = Fetch;
    methods.xUnfetch = Unfetch;
    shim = *real;
    shim.zName = "failing";
    shim.szOsFile = static_cast<int>(sizeof(ShimFile)) + real->szOsFile;
    shim.xOpen = Open;
}

}  // namespace

bool Install() {
    if (real == nullptr) {
        real = sqlite3_vfs_find(nullptr);
        if (real == nullptr) return false;
        Build();
        if (sqlite3_vfs_register(&shim, 1) != SQLITE_OK) {
            real = nullptr;
            return false;
        }
    }
    Inject(kNone);
    return true;
}

void Inject(unsigned chosen) {
    faults = chosen;
    refusals = 0;
}

int Refusals() { return refusals.load(); }

}  // namespace failing_vfs
