// The record-file driver: keyed files of fixed-layout records, each a table of one database. The access managers use only
// this interface; storage/sqlite/ holds the one implementation.
#pragma once

#include "dictionary/fieldtypes.h"
#include "dictionary/schema.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dict::storage {

// Position of a record in its file: stable for the record's life.
using Position = std::int64_t;

// The caller's record buffer: the fixed bytes and, for files that have one, the memo.
struct RecordBuffer {
    void *bytes = nullptr;
    Memo *memo = nullptr;
};

enum class OpenMode : std::uint8_t {
    ReadWriteShared = 0x42,
    ReadOnlyShared = 0x40,
    Exclusive = 0x12, // read/write, others denied (the conversion program)
};

// How commits reach the disk: a rollback journal (safe on a folder shared over the network) or
// the write-ahead log (faster; every station on one machine).
enum class Journal : std::uint8_t { Rollback, WriteAheadLog };

// Where sequential reads go on from. Every result is an Err:: code (0 for success).
class Cursor
{
public:
    virtual ~Cursor() = default;
    // Order of reading: a key index, or -1 for record order.
    virtual void setStart(int key) = 0;
    virtual void setEnd(int key) = 0;
    // Next reads the first record at or after the key value in record; Previous the last at or before it.
    virtual void setAt(int key, const void *record) = 0;
    // Next and Previous go on from this record (as if it had just been read).
    virtual void setAfter(int key, const void *record, Position position) = 0;
    virtual int next(RecordBuffer buffer) = 0;
    virtual int previous(RecordBuffer buffer) = 0;
    virtual Position position() const = 0; // of the record last read, 0 when none
    virtual int key() const = 0;
    virtual std::unique_ptr<Cursor> clone() const = 0;
};

// A stamp of a file's contents: two stamps taken while the file stayed open differ when records
// may have changed in between, written through this file object (own) or committed by any other
// connection or process (others).
struct DataVersion {
    std::int64_t others = -1;
    std::uint64_t own = 0;
    bool operator==(const DataVersion &) const = default;
};

// The record last read or written, watched for changes by other stations.
struct Current {
    Position position = 0;
    std::int64_t version = 0;
};

class RecordFile
{
public:
    virtual ~RecordFile() = default;

    virtual const FileDef &def() const = 0;
    virtual const std::string &path() const = 0; // of its database

    virtual int open(OpenMode mode) = 0;
    virtual int create() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual bool readOnly() const = 0;
    // Driver options; "Recover=10" waits up to 10 seconds for a lock to clear.
    virtual void sendOption(std::string_view option) = 0;
    virtual int buildKeys() = 0;

    // Exact read by the key fields of record; fills buffer and current.
    virtual int get(int key, RecordBuffer buffer, Current &current) = 0;
    virtual int reget(Position position, RecordBuffer buffer, Current &current) = 0;
    // firstBatch: how many records the first read after positioning fetches ahead.
    virtual std::unique_ptr<Cursor> cursor(int firstBatch = 16) = 0;
    // The version of the record a cursor last read, for change detection.
    virtual Current currentOf(const Cursor &cursor) const = 0;

    virtual int add(RecordBuffer buffer, Current &current) = 0;
    // Writes the buffer over current; fails with ChangedByOther when another station changed it.
    virtual int put(RecordBuffer buffer, Current &current) = 0;
    virtual int remove(const Current &current) = 0;
    // Index of the first unique key in which record would clash with another record, or -1.
    virtual int duplicateKey(const void *record, Position self) = 0;

    virtual std::int64_t records() = 0;
    virtual std::int64_t bytes() = 0; // what its records and keys take in the database
    virtual int empty() = 0;
    // Cheap: no records are read. A stamp that cannot be taken differs from every earlier one.
    virtual DataVersion dataVersion() = 0;

    // While refused (calls nest), every write and begin fails with AccessDenied and changes
    // nothing: the files of a unit of work that could not begin or was undone, until it is gone.
    virtual void refuseWrites(bool refuse) = 0;

    // A transaction for this file's writes (bulk writes, tag tables); inside another transaction
    // of its database it is a nested level of that one.
    virtual int begin() = 0;
    virtual int commit() = 0;
    virtual int rollback() = 0;
    virtual bool inTransaction() const = 0;
};

// Several files' writes committed or rolled back as one: one transaction of their database.
class Unit
{
public:
    virtual ~Unit() = default;
    virtual int commit() = 0;
    virtual int rollback() = 0;
};

class Driver
{
public:
    virtual ~Driver() = default;
    virtual std::string_view name() const = 0;
    // The file def as a table of the database at path.
    virtual std::unique_ptr<RecordFile> file(const FileDef &def, std::string path) = 0;
    // Starts a unit of work over the given open files; nullptr (with the error set) when it cannot.
    virtual std::unique_ptr<Unit> beginUnit(const std::vector<RecordFile *> &files) = 0;
    // The journal of databases opened from now on (the rollback journal unless told).
    virtual void setJournal(Journal journal) = 0;
};

Driver &sqliteDriver();

} // namespace dict::storage
