#include "dictionary/filemanager.h"

#include "dictionary/changenotices.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/relationmanager.h"
#include "dictionary/runtimeerror.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <optional>

namespace dict {

using storage::OpenMode;

namespace {
constexpr int NumberingTries = 3;
constexpr int OpenRounds = 6; // create, recover, read-only and key rebuild each retry once

// Tells the change-notice listeners about a write that is on file (or in a unit of work).
void announce(const FileDef &def, Change change, storage::Position position)
{
    changeNotices().Announce({def.id, change, position});
}
} // namespace

FileManager::FileManager() = default;

FileManager::~FileManager() { Kill(); }

void FileManager::Init(FileId file, storage::RecordBuffer buffer, ErrorReporter *errors)
{
    def_ = &fileDef(file);
    buffer_ = buffer;
    errors_ = errors;
    name_ = std::string(def_->name) + " in " + DatabasePath;
    file_ = storage::sqliteDriver().file(*def_, DatabasePath);
    keys_.clear();
}

void FileManager::Kill()
{
    if (file_)
        file_->close();
    physicalUsers_ = 0;
    ownState_ = FileState{};
}

void FileManager::AddKey(KeyRef key, std::string description, AutoNumber autoNumber)
{
    assert(key.file == def_->id);
    keys_.push_back({key, std::move(description), autoNumber});
}

bool FileManager::hasAutoNumbers() const
{
    return std::any_of(keys_.begin(), keys_.end(), [](const KeyEntry &k) { return k.autoNumber != AutoNumber::None; });
}

storage::Cursor &FileManager::cursor()
{
    if (!state_->cursor)
        state_->cursor = file_->cursor();
    return *state_->cursor;
}

int FileManager::fail(int error, bool quiet, int messageId)
{
    state_->error = error;
    if (quiet || messageId == 0)
        return Notify;
    const int level = Throw(messageId);
    return level == Benign ? Notify : level;
}

// --- messages -------------------------------------------------------------------------------

int FileManager::Throw(int messageId)
{
    if (!errors_)
        return Notify;
    return errors_->ThrowFile(messageId, name_);
}

int FileManager::Throw() { return Throw(Msg::RetrievalError); }

int FileManager::ThrowMessage(int messageId, std::string_view text)
{
    if (!errors_)
        return Notify;
    errors_->SetFile(name_);
    return errors_->ThrowMessage(messageId, text);
}

// --- open and close -------------------------------------------------------------------------

int FileManager::Open() { return openFile(false); }
int FileManager::TryOpen() { return openFile(true); }

int FileManager::openFile(bool quiet)
{
    if (state_->openCount > 0) {
        ++state_->openCount;
        return Benign;
    }
    if (!file_->isOpen()) {
        if (const int result = physicalOpen(quiet); result != Benign)
            return result;
    }
    ++physicalUsers_;
    state_->openCount = 1;
    state_->opened = true;
    state_->error = Err::None;
    return Benign;
}

int FileManager::physicalOpen(bool quiet)
{
    OpenMode mode = openMode_;
    bool recovered = false;
    for (int round = 0; round < OpenRounds; ++round) {
        const int result = file_->open(mode);
        switch (result) {
        case Err::None:
        case Err::AlreadyOpen: return Benign;
        case Err::FileNotFound:
            if (!create_)
                return fail(result, quiet, Msg::FileAccessError);
            if (const int created = file_->create(); created != Err::None)
                return fail(created, quiet, Msg::FileCreationError);
            break;
        case Err::AccessDenied:
            if (!recovered) {
                file_->sendOption("Recover=" + std::to_string(lockRecovery_));
                recovered = true;
            } else if (mode != OpenMode::ReadOnlyShared && mode != OpenMode::Exclusive) {
                mode = OpenMode::ReadOnlyShared;
                if (!quiet)
                    Throw(Msg::AccessDenied);
            } else {
                return fail(result, quiet, Msg::FileAccessError);
            }
            break;
        case Err::InvalidKeys:
            if (!quiet)
                Throw(Msg::InvalidKey);
            if (file_->buildKeys() != Err::None)
                return fail(lastError().code, quiet, Msg::KeyNotBuilt);
            break;
        default: return fail(result, quiet, Msg::FileAccessError);
        }
    }
    return fail(lastError().code, quiet, Msg::FileAccessError);
}

int FileManager::Close()
{
    if (state_->openCount == 0)
        return Benign;
    if (--state_->openCount > 0)
        return Benign;
    state_->opened = false;
    if (--physicalUsers_ <= 0) {
        physicalUsers_ = 0;
        file_->close();
    }
    return Benign;
}

int FileManager::UseFile()
{
    if (state_->opened)
        return Benign;
    return fail(Err::FileNotOpen, false, Msg::FileUsageError);
}

// --- creating records -----------------------------------------------------------------------

int FileManager::PrimeFields() { return Benign; }

int FileManager::PrimeRecord(bool keepBuffer) { return primeRecord(keepBuffer, false); }

int FileManager::TryPrimeRecord(bool keepBuffer) { return primeRecord(keepBuffer, true); }

int FileManager::primeRecord(bool keepBuffer, bool quiet)
{
    if (!keepBuffer) {
        clearRecord(*def_, buffer_.bytes);
        if (buffer_.memo)
            buffer_.memo->clear();
    }
    PrimeFields();
    if (!hasAutoNumbers())
        return Benign;
    state_->primed = false;
    return primeNumbers(quiet);
}

int FileManager::PrimeAutoInc() { return primeNumbers(false); }
int FileManager::TryPrimeAutoInc() { return primeNumbers(true); }

int FileManager::nextNumbers()
{
    std::vector<char> probe(def_->recordSize);
    std::vector<char> found(def_->recordSize);
    for (const KeyEntry &entry : keys_) {
        if (entry.autoNumber == AutoNumber::None)
            continue;
        const int key = entry.key.index;
        const KeyDef &k = def_->keys[key];
        const KeyComponent &last = k.components.back();
        const FieldDef &field = def_->fields[last.field];
        auto search = file_->cursor(1); // only the highest record is wanted
        int result;
        if (entry.autoNumber == AutoNumber::WholeKey) {
            // The highest value is the last one in key order (the first in a descending key).
            if (last.descending)
                search->setStart(key);
            else
                search->setEnd(key);
            result = last.descending ? search->next({found.data(), nullptr}) : search->previous({found.data(), nullptr});
        } else {
            std::memcpy(probe.data(), buffer_.bytes, def_->recordSize);
            setFieldExtreme(field, probe.data(), !last.descending);
            search->setAt(key, probe.data());
            result = search->previous({found.data(), nullptr});
            if (result == Err::None) {
                for (std::size_t c = 0; c + 1 < k.components.size(); ++c) {
                    const FieldDef &leading = def_->fields[k.components[c].field];
                    if (compareField(leading, found.data(), buffer_.bytes) != 0)
                        result = Err::NoCurrentRecord; // the last record belongs to another group
                }
            }
        }
        if (result != Err::None && result != Err::NoCurrentRecord)
            return result;
        setInteger(field, buffer_.bytes, result == Err::None ? integerOf(field, found.data()) + 1 : 1);
    }
    return Err::None;
}

int FileManager::primeNumbers(bool quiet)
{
    if (!hasAutoNumbers())
        return Benign;
    if (!state_->opened)
        return fail(Err::FileNotOpen, quiet, Msg::FileUsageError);
    for (;;) {
        for (int attempt = 0; attempt < NumberingTries; ++attempt) {
            // One write transaction for search and add: no other station can take the same numbers.
            int result = file_->begin();
            if (result == Err::None)
                result = nextNumbers();
            if (result == Err::None)
                result = file_->add(buffer_, state_->reserved);
            if (result == Err::None)
                result = file_->commit();
            if (result == Err::None) {
                state_->primed = true;
                state_->current = state_->reserved;
                announce(*def_, Change::Added, state_->reserved.position);
                return Benign;
            }
            file_->rollback();
            if (result != Err::DuplicateKey)
                return fail(result, quiet, Msg::InsertError);
            // A clash in a key that is not numbered here will not go away by numbering again.
            const int clash = file_->duplicateKey(buffer_.bytes, 0);
            if (clash >= 0 && keys_[clash].autoNumber == AutoNumber::None) {
                state_->error = Err::DuplicateKey;
                return quiet ? Notify : reportWriteFailure(Err::DuplicateKey, Msg::InsertError, 0);
            }
        }
        if (quiet || Throw(Msg::AutoIncrementError) != Benign)
            return fail(Err::DuplicateKey, true, 0);
    }
}

int FileManager::reportWriteFailure(int result, int genericMessage, storage::Position self)
{
    state_->error = result;
    int level;
    if (result == Err::DuplicateKey) {
        const int clash = file_->duplicateKey(buffer_.bytes, self);
        level = ThrowMessage(Msg::DuplicateKey, clash >= 0 ? keys_[clash].description : std::string());
    } else {
        level = Throw(genericMessage);
    }
    return level == Benign ? Notify : level;
}

int FileManager::Insert()
{
    const int result = TryInsert();
    if (result == Benign || state_->error == Err::None)
        return result;
    return reportWriteFailure(state_->error, Msg::InsertError, state_->primed ? state_->reserved.position : 0);
}

int FileManager::TryInsert()
{
    if (!state_->opened)
        return fail(Err::FileNotOpen, true, 0);
    if (ValidateRecord() != Benign) {
        state_->error = Err::None; // the validation has told the user
        return Notify;
    }
    int result;
    std::optional<Change> change; // none when numbering has added the record and told so
    if (hasAutoNumbers() && !state_->primed) {
        // Numbering adds the record: that is the insert.
        if (primeNumbers(true) != Benign)
            return Notify;
        result = Err::None;
    } else if (hasAutoNumbers()) {
        result = file_->put(buffer_, state_->reserved);
        change = Change::Changed; // the reserved record was added when it was numbered
    } else {
        result = file_->add(buffer_, state_->reserved);
        change = Change::Added;
    }
    if (result != Err::None)
        return fail(result, true, 0);
    if (change)
        announce(*def_, *change, state_->reserved.position);
    state_->primed = false;
    state_->current = state_->reserved;
    state_->error = Err::None;
    return Benign;
}

int FileManager::ResumeReserved()
{
    if (!state_->opened || state_->current.position == 0)
        return fail(Err::NoCurrentRecord, true, 0);
    state_->reserved = state_->current;
    state_->primed = true;
    return Benign;
}

int FileManager::CancelAutoInc(RelationManager *relation)
{
    if (!state_->primed)
        return Benign;
    state_->current = state_->reserved;
    const int result = relation ? relation->Delete(false) : TryDeleteRecord();
    if (result == Benign)
        state_->primed = false;
    return result;
}

// --- changing records -----------------------------------------------------------------------

int FileManager::Update() { return UpdateReporting(Msg::ChangedByOther); }

int FileManager::TryUpdate() { return UpdateReporting(0); }

int FileManager::UpdateReporting(int changedMessage)
{
    const bool quiet = changedMessage == 0;
    if (!state_->opened)
        return fail(Err::FileNotOpen, quiet, Msg::FileUsageError);
    if (ValidateRecord() != Benign)
        return Notify;
    const storage::Current at = state_->current;
    const int result = file_->put(buffer_, state_->current);
    if (result == Err::None) {
        state_->error = Err::None;
        announce(*def_, Change::Changed, state_->current.position);
        return Benign;
    }
    if (result == Err::ChangedByOther) {
        if (!quiet)
            Throw(changedMessage);
        // Show the other station's version; watching starts again from it.
        file_->reget(at.position, buffer_, state_->current);
        state_->error = Err::ChangedByOther;
        return Notify;
    }
    if (quiet)
        return fail(result, true, 0);
    return reportWriteFailure(result, Msg::NotUpdated, at.position);
}

int FileManager::TryDeleteRecord()
{
    if (!state_->opened)
        return fail(Err::FileNotOpen, true, 0);
    if (const int result = file_->remove(state_->current); result != Err::None)
        return fail(result, true, 0);
    state_->error = Err::None;
    announce(*def_, Change::Deleted, state_->current.position);
    return Benign;
}

// --- reading ----------------------------------------------------------------------------------

int FileManager::TryFetch(KeyRef key)
{
    assert(key.file == def_->id);
    if (!state_->opened)
        return fail(Err::FileNotOpen, true, 0);
    if (const int result = file_->get(key.index, buffer_, state_->current); result != Err::None)
        return fail(result, true, 0);
    state_->error = Err::None;
    return Benign;
}

int FileManager::Fetch(KeyRef key)
{
    const int result = TryFetch(key);
    if (result != Benign) {
        clearRecord(*def_, buffer_.bytes);
        if (buffer_.memo)
            buffer_.memo->clear();
    }
    return result;
}

int FileManager::TryReget(storage::Position position)
{
    if (!state_->opened)
        return fail(Err::FileNotOpen, true, 0);
    if (const int result = file_->reget(position, buffer_, state_->current); result != Err::None)
        return fail(result, true, 0);
    return Benign;
}

int FileManager::Next() { return readSequential(false, false); }
int FileManager::TryNext() { return readSequential(false, true); }
int FileManager::Previous() { return readSequential(true, false); }
int FileManager::TryPrevious() { return readSequential(true, true); }

int FileManager::readSequential(bool backwards, bool quiet)
{
    if (!state_->opened)
        return fail(Err::FileNotOpen, quiet, Msg::FileUsageError);
    storage::Cursor &c = cursor();
    const int result = backwards ? c.previous(buffer_) : c.next(buffer_);
    if (result == Err::None) {
        state_->eof = false;
        state_->error = Err::None;
        state_->current = file_->currentOf(c);
        return Benign;
    }
    if (result == Err::NoCurrentRecord) {
        state_->eof = true; // the end of the file is no error to report
        return fail(result, true, 0);
    }
    return fail(result, quiet, result == Err::RecordHeld ? Msg::RecordNotRead : Msg::RetrievalError);
}

void FileManager::SetStart(KeyRef key) { cursor().setStart(key.index); }
void FileManager::SetEnd(KeyRef key) { cursor().setEnd(key.index); }
void FileManager::SetAt(KeyRef key) { cursor().setAt(key.index, buffer_.bytes); }
void FileManager::SetAfter(KeyRef key, storage::Position position)
{
    cursor().setAfter(key.index, buffer_.bytes, position);
}
void FileManager::SetRecordOrder() { cursor().setStart(-1); }

void FileManager::ClearKey(KeyRef key, int fromComponent, int toComponent, bool high)
{
    const KeyDef &k = def_->keys[key.index];
    const int last = std::min<int>(toComponent, static_cast<int>(k.components.size()));
    for (int i = std::max(fromComponent, 1); i <= last; ++i) {
        const KeyComponent &c = k.components[i - 1];
        // "Low" means first in key order, which is the highest value of a descending component.
        setFieldExtreme(def_->fields[c.field], buffer_.bytes, c.descending ? !high : high);
    }
}

int FileManager::GetComponents(KeyRef key) const { return static_cast<int>(def_->keys[key.index].components.size()); }

int FileManager::GetField(KeyRef key, int component) const
{
    return def_->keys[key.index].components[component - 1].field;
}

std::string FileManager::GetFieldName(int fieldNo) const
{
    return std::string(def_->prefix) + ":" + def_->fields[fieldNo - 1].name;
}

// --- saved buffers and positions ------------------------------------------------------------

int FileManager::SaveFile()
{
    state_->savedPositions.push_back({state_->cursor ? state_->cursor->clone() : nullptr, state_->current, state_->eof});
    return static_cast<int>(state_->savedPositions.size());
}

void FileManager::RestoreFile(int id)
{
    auto &saved = state_->savedPositions;
    if (id < 1 || id > static_cast<int>(saved.size()))
        return;
    FileState::SavedPosition &s = saved[id - 1];
    state_->cursor = std::move(s.cursor);
    state_->current = s.current;
    state_->eof = s.eof;
    saved.erase(saved.begin() + (id - 1), saved.end());
}

int FileManager::SaveBuffer()
{
    const auto *bytes = static_cast<const char *>(buffer_.bytes);
    state_->savedBuffers.push_back({std::vector<char>(bytes, bytes + def_->recordSize),
                                    buffer_.memo ? buffer_.memo->str() : std::string()});
    return static_cast<int>(state_->savedBuffers.size());
}

void FileManager::RestoreBuffer(int id)
{
    auto &saved = state_->savedBuffers;
    if (id < 1 || id > static_cast<int>(saved.size()))
        return;
    std::memcpy(buffer_.bytes, saved[id - 1].bytes.data(), def_->recordSize);
    if (buffer_.memo)
        *buffer_.memo = saved[id - 1].memo;
    saved.erase(saved.begin() + (id - 1), saved.end());
}

void FileManager::DiscardBuffer(int id)
{
    auto &saved = state_->savedBuffers;
    if (id >= 1 && id <= static_cast<int>(saved.size()))
        saved.erase(saved.begin() + (id - 1), saved.end());
}

bool FileManager::EqualBuffer(int savedId)
{
    const auto &saved = state_->savedBuffers;
    if (savedId < 1 || savedId > static_cast<int>(saved.size()))
        return false;
    const auto &s = saved[savedId - 1];
    return std::memcmp(buffer_.bytes, s.bytes.data(), def_->recordSize) == 0
           && (!buffer_.memo || buffer_.memo->str() == s.memo);
}

// --- hooks and counts -------------------------------------------------------------------------

int FileManager::BindFields() { return Benign; }
int FileManager::ValidateField(int) { return Benign; }

int FileManager::ValidateFields(int first, int last, int *failedField)
{
    for (int field = first; field <= last; ++field) {
        if (const int result = ValidateField(field); result != Benign) {
            if (failedField)
                *failedField = field;
            return result;
        }
    }
    return Benign;
}

int FileManager::ValidateRecord(int *failedField)
{
    return ValidateFields(1, static_cast<int>(def_->fields.size()), failedField);
}

std::int64_t FileManager::Records() { return file_->records(); }
std::int64_t FileManager::Bytes() { return file_->bytes(); }

int FileManager::TryEmpty()
{
    if (!state_->opened)
        return fail(Err::FileNotOpen, true, 0);
    if (file_->empty() != Err::None)
        return fail(lastError().code, true, 0);
    announce(*def_, Change::Emptied, 0);
    return Benign;
}

} // namespace dict
