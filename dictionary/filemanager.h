// The access manager of one data file: opens it, reads, writes and numbers its records, and
// reports every failure through the error manager.
//
// Results: 0 (Level::Benign) for success, a non-zero level for failure. The Try forms never show
// a message; the error number is kept for GetError(). The plain forms show the message first.
#pragma once

#include "dictionary/errorreporter.h"
#include "dictionary/fileid.h"
#include "dictionary/schema.h"
#include "dictionary/storage/recordfile.h"

#include <memory>
#include <string>
#include <vector>

namespace dict {

class RelationManager;

// What an access manager keeps per thread context: opens, the reserved record, the read position
// and the stacks of saved buffers and positions.
struct FileState {
    int openCount = 0;
    bool opened = false;
    bool primed = false; // a record was added to reserve its numbers and is not completed yet
    bool eof = false;
    int error = 0;
    storage::Current current; // the record Update and Delete act on
    storage::Current reserved; // the record added by PrimeAutoInc
    std::unique_ptr<storage::Cursor> cursor;

    struct SavedPosition {
        std::unique_ptr<storage::Cursor> cursor;
        storage::Current current;
        bool eof;
    };
    struct SavedBuffer {
        std::vector<char> bytes;
        std::string memo;
    };
    std::vector<SavedPosition> savedPositions;
    std::vector<SavedBuffer> savedBuffers;
};

struct KeyEntry {
    KeyRef key;
    std::string description;
    AutoNumber autoNumber;
};

class FileManager
{
public:
    FileManager();
    virtual ~FileManager();
    FileManager(const FileManager &) = delete;
    FileManager &operator=(const FileManager &) = delete;

    // The file's table entry, its record buffer (and memo), and the error manager to report through.
    void Init(FileId file, storage::RecordBuffer buffer, ErrorReporter *errors);
    void Kill();
    void AddKey(KeyRef key, std::string description, AutoNumber autoNumber);
    void SetErrors(ErrorReporter *errors) { errors_ = errors; }
    ErrorReporter *Errors() const { return errors_; }

    // Virtual operations, in the order of the framework's slots.
    virtual int BindFields();
    virtual int CancelAutoInc(RelationManager *relation = nullptr);
    virtual int Close();
    virtual bool EqualBuffer(int savedId);
    virtual int Fetch(KeyRef key);
    virtual int Insert();
    virtual int Next();
    virtual int Open();
    virtual int Previous();
    virtual int PrimeAutoInc();
    virtual int PrimeFields();
    virtual int PrimeRecord(bool keepBuffer = false);
    virtual int Throw(int messageId);
    virtual int Throw();
    virtual int ThrowMessage(int messageId, std::string_view text);
    virtual int TryFetch(KeyRef key);
    virtual int TryInsert();
    virtual int TryNext();
    virtual int TryOpen();
    virtual int TryPrevious();
    virtual int TryPrimeAutoInc();
    // Takes the record last read as the one PrimeAutoInc reserved: an entry left unfinished is
    // taken up again, to be completed by Insert or given up by CancelAutoInc.
    int ResumeReserved();
    virtual int TryUpdate();
    virtual int Update();
    virtual int ValidateField(int fieldNo);
    virtual int ValidateFields(int first, int last, int *failedField = nullptr);
    virtual int ValidateRecord(int *failedField = nullptr);

    // Other operations.
    // PrimeRecord that shows no message (inside a unit of work, whose end tells the user).
    int TryPrimeRecord(bool keepBuffer = false);
    int UseFile(); // opens on demand; Level::Benign when the file can be used
    int SaveFile();
    void RestoreFile(int id);
    int SaveBuffer();
    void RestoreBuffer(int id);
    // Forgets a saved buffer (and the ones saved after it) without copying it back.
    void DiscardBuffer(int id);
    storage::Position Position() const { return state_->current.position; }
    int TryReget(storage::Position position);
    // Sequential reading: from the start or end of a key, or from the key value in the buffer.
    void SetStart(KeyRef key);
    void SetEnd(KeyRef key);
    void SetAt(KeyRef key);
    // Next reads the record after, Previous the one before, the record in the buffer at position.
    void SetAfter(KeyRef key, storage::Position position);
    void SetRecordOrder();
    // Sets key components from..to (1-based, inclusive) in the buffer to their lowest or highest value.
    void ClearKey(KeyRef key, int fromComponent = 1, int toComponent = 99, bool high = false);
    int KeyToOrder(KeyRef key) const { return key.index; }
    int GetComponents(KeyRef key) const;
    int GetField(KeyRef key, int component) const; // field index of a component (1-based)
    std::string GetFieldName(int fieldNo) const;
    bool GetEOF() const { return state_->eof; }
    int GetError() const { return state_->error; }
    void SetError(int error) { state_->error = error; }
    // The file as messages name it: its table and the database ("CUSTOMER in data/tallyquill.db").
    std::string GetName() const { return name_; }

    // Deletes the current record without relations (the relation manager's Delete applies them).
    int TryDeleteRecord();
    std::int64_t Records();
    std::int64_t Bytes();
    int TryEmpty();

    const FileDef &Def() const { return *def_; }
    FileId Id() const { return def_->id; }
    const std::vector<KeyEntry> &Keys() const { return keys_; }
    storage::RecordBuffer Buffer() const { return buffer_; }
    storage::RecordFile *File() const { return file_.get(); }
    bool Opened() const { return state_->opened; }
    bool Primed() const { return state_->primed; }

    // Thread contexts give each started procedure its own state.
    FileState *State() const { return state_; }
    void SetState(FileState *state) { state_ = state ? state : &ownState_; }

    // Seconds to wait for a file locked by another station before giving up on write access.
    void SetLockRecovery(int seconds) { lockRecovery_ = seconds; }

    // Update, reporting a change by another station with the given message (0: no message).
    int UpdateReporting(int changedMessage);

private:
    int openFile(bool quiet);
    int physicalOpen(bool quiet);
    int readSequential(bool backwards, bool quiet);
    int primeNumbers(bool quiet);
    int primeRecord(bool keepBuffer, bool quiet);
    int nextNumbers();
    int reportWriteFailure(int result, int genericMessage, storage::Position self);
    int fail(int error, bool quiet, int messageId);
    storage::Cursor &cursor();
    bool hasAutoNumbers() const;

    const FileDef *def_ = nullptr;
    storage::RecordBuffer buffer_;
    ErrorReporter *errors_ = nullptr;
    std::unique_ptr<storage::RecordFile> file_;
    std::vector<KeyEntry> keys_;
    std::string name_;
    FileState ownState_;
    FileState *state_ = &ownState_;
    int physicalUsers_ = 0;
    int lockRecovery_ = 10;
    storage::OpenMode openMode_ = storage::OpenMode::ReadWriteShared;
    bool create_ = true;

public:
    void SetOpenMode(storage::OpenMode mode) { openMode_ = mode; }
};

} // namespace dict
