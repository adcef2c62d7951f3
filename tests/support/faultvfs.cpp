#include "tests/support/faultvfs.h"

#include <sqlite3.h>

#include <cstring>

namespace testsupport {

namespace {

struct Armed {
    bool on = false;
    Fault kind = Fault::Write;
    int left = 0;
    bool fired = false;
};
Armed armed;

// True when this operation is the one to fail.
bool failsNow(Fault kind)
{
    const bool matches = kind == armed.kind || (kind == Fault::Write && armed.kind == Fault::DiskFull);
    if (!armed.on || armed.fired || !matches)
        return false;
    if (--armed.left > 0)
        return false;
    armed.fired = true;
    return true;
}

sqlite3_vfs *real = nullptr;

struct FaultyFile {
    sqlite3_file base;
    sqlite3_file *inner; // the real file, allocated right after this struct
};

sqlite3_file *inner(sqlite3_file *file) { return reinterpret_cast<FaultyFile *>(file)->inner; }

int fileClose(sqlite3_file *f) { return inner(f)->pMethods->xClose(inner(f)); }
int fileRead(sqlite3_file *f, void *buf, int n, sqlite3_int64 at) { return inner(f)->pMethods->xRead(inner(f), buf, n, at); }
int fileWrite(sqlite3_file *f, const void *buf, int n, sqlite3_int64 at)
{
    if (failsNow(Fault::Write))
        return armed.kind == Fault::DiskFull ? SQLITE_FULL : SQLITE_IOERR_WRITE;
    return inner(f)->pMethods->xWrite(inner(f), buf, n, at);
}
int fileTruncate(sqlite3_file *f, sqlite3_int64 size) { return inner(f)->pMethods->xTruncate(inner(f), size); }
int fileSync(sqlite3_file *f, int flags)
{
    if (failsNow(Fault::Sync))
        return SQLITE_IOERR_FSYNC;
    return inner(f)->pMethods->xSync(inner(f), flags);
}
int fileSize(sqlite3_file *f, sqlite3_int64 *size) { return inner(f)->pMethods->xFileSize(inner(f), size); }
int fileLock(sqlite3_file *f, int level)
{
    if (failsNow(Fault::Lock))
        return SQLITE_IOERR_LOCK;
    return inner(f)->pMethods->xLock(inner(f), level);
}
int fileUnlock(sqlite3_file *f, int level) { return inner(f)->pMethods->xUnlock(inner(f), level); }
int fileReserved(sqlite3_file *f, int *out) { return inner(f)->pMethods->xCheckReservedLock(inner(f), out); }
int fileControl(sqlite3_file *f, int op, void *arg) { return inner(f)->pMethods->xFileControl(inner(f), op, arg); }
int fileSector(sqlite3_file *f) { return inner(f)->pMethods->xSectorSize(inner(f)); }
int fileCharacteristics(sqlite3_file *f) { return inner(f)->pMethods->xDeviceCharacteristics(inner(f)); }
int fileShmMap(sqlite3_file *f, int page, int size, int extend, void volatile **out)
{
    return inner(f)->pMethods->xShmMap(inner(f), page, size, extend, out);
}
int fileShmLock(sqlite3_file *f, int offset, int n, int flags) { return inner(f)->pMethods->xShmLock(inner(f), offset, n, flags); }
void fileShmBarrier(sqlite3_file *f) { inner(f)->pMethods->xShmBarrier(inner(f)); }
int fileShmUnmap(sqlite3_file *f, int deleteFlag) { return inner(f)->pMethods->xShmUnmap(inner(f), deleteFlag); }
int fileFetch(sqlite3_file *f, sqlite3_int64 at, int n, void **out) { return inner(f)->pMethods->xFetch(inner(f), at, n, out); }
int fileUnfetch(sqlite3_file *f, sqlite3_int64 at, void *p) { return inner(f)->pMethods->xUnfetch(inner(f), at, p); }

const sqlite3_io_methods faultyMethods = {
    3,           fileClose,       fileRead,    fileWrite,      fileTruncate, fileSync,       fileSize,
    fileLock,    fileUnlock,      fileReserved, fileControl,   fileSector,   fileCharacteristics,
    fileShmMap,  fileShmLock,     fileShmBarrier, fileShmUnmap, fileFetch,   fileUnfetch,
};

int vfsOpen(sqlite3_vfs *, sqlite3_filename name, sqlite3_file *file, int flags, int *outFlags)
{
    auto *faulty = reinterpret_cast<FaultyFile *>(file);
    faulty->inner = reinterpret_cast<sqlite3_file *>(faulty + 1);
    const int rc = real->xOpen(real, name, faulty->inner, flags, outFlags);
    // A file the real layer did not open has no methods, and SQLite will not close it.
    file->pMethods = (rc == SQLITE_OK && faulty->inner->pMethods) ? &faultyMethods : nullptr;
    return rc;
}

int vfsDelete(sqlite3_vfs *, const char *name, int syncDir)
{
    if (failsNow(Fault::Delete))
        return SQLITE_IOERR_DELETE;
    return real->xDelete(real, name, syncDir);
}

int vfsAccess(sqlite3_vfs *, const char *name, int flags, int *out) { return real->xAccess(real, name, flags, out); }
int vfsFullPath(sqlite3_vfs *, const char *name, int n, char *out) { return real->xFullPathname(real, name, n, out); }
void *vfsDlOpen(sqlite3_vfs *, const char *name) { return real->xDlOpen(real, name); }
void vfsDlError(sqlite3_vfs *, int n, char *out) { real->xDlError(real, n, out); }
void (*vfsDlSym(sqlite3_vfs *, void *lib, const char *sym))(void) { return real->xDlSym(real, lib, sym); }
void vfsDlClose(sqlite3_vfs *, void *lib) { real->xDlClose(real, lib); }
int vfsRandomness(sqlite3_vfs *, int n, char *out) { return real->xRandomness(real, n, out); }
int vfsSleep(sqlite3_vfs *, int us) { return real->xSleep(real, us); }
int vfsCurrentTime(sqlite3_vfs *, double *out) { return real->xCurrentTime(real, out); }
int vfsLastError(sqlite3_vfs *, int n, char *out) { return real->xGetLastError(real, n, out); }
int vfsCurrentTime64(sqlite3_vfs *, sqlite3_int64 *out) { return real->xCurrentTimeInt64(real, out); }

sqlite3_vfs faultyVfs;

} // namespace

void FaultyDisk::install()
{
    if (real)
        return;
    real = sqlite3_vfs_find(nullptr);
    faultyVfs = sqlite3_vfs{};
    faultyVfs.iVersion = 2;
    faultyVfs.szOsFile = static_cast<int>(sizeof(FaultyFile)) + real->szOsFile;
    faultyVfs.mxPathname = real->mxPathname;
    faultyVfs.zName = "faulty";
    faultyVfs.xOpen = vfsOpen;
    faultyVfs.xDelete = vfsDelete;
    faultyVfs.xAccess = vfsAccess;
    faultyVfs.xFullPathname = vfsFullPath;
    faultyVfs.xDlOpen = vfsDlOpen;
    faultyVfs.xDlError = vfsDlError;
    faultyVfs.xDlSym = vfsDlSym;
    faultyVfs.xDlClose = vfsDlClose;
    faultyVfs.xRandomness = vfsRandomness;
    faultyVfs.xSleep = vfsSleep;
    faultyVfs.xCurrentTime = vfsCurrentTime;
    faultyVfs.xGetLastError = vfsLastError;
    faultyVfs.xCurrentTimeInt64 = vfsCurrentTime64;
    sqlite3_vfs_register(&faultyVfs, 1);
}

void FaultyDisk::arm(Fault kind, int n) { armed = Armed{true, kind, n, false}; }

void FaultyDisk::disarm() { armed = Armed{}; }

bool FaultyDisk::fired() { return armed.fired; }

} // namespace testsupport
