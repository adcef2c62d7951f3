#include "dictionary/storage/sqlite/sqlitefile.h"

#include "dictionary/runtimeerror.h"
#include "dictionary/storage/sqlite/sqlitecursor.h"
#include "dictionary/storage/sqlite/storedtext.h"

#include <cstring>
#include <strings.h>

namespace dict::storage::sqlite {

namespace {

enum Op { OpExact = 1, OpAt, OpInsert, OpDelete, OpClash, OpCount, OpEmpty, OpFetch, OpDataVersion, OpBytes };

int code(Op op, int key = -1, int variant = 0) { return op * 10000 + (key + 1) * 10 + variant; }

constexpr int RecoverMs = 10000;

std::int64_t readInteger(const char *p, std::uint16_t size)
{
    switch (size) {
    case 1: return static_cast<unsigned char>(*p);
    case 2: { std::int16_t v; std::memcpy(&v, p, 2); return v; }
    default: { std::int32_t v; std::memcpy(&v, p, 4); return v; }
    }
}

double readReal(const char *p)
{
    double v;
    std::memcpy(&v, p, 8);
    return v;
}

void writeInteger(char *p, std::uint16_t size, std::int64_t value)
{
    switch (size) {
    case 1: { auto v = static_cast<std::uint8_t>(value); std::memcpy(p, &v, 1); break; }
    case 2: { auto v = static_cast<std::int16_t>(value); std::memcpy(p, &v, 2); break; }
    default: { auto v = static_cast<std::int32_t>(value); std::memcpy(p, &v, 4); break; }
    }
}

void bindField(sqlite3_stmt *stmt, int index, const FieldDef &f, const char *record)
{
    const char *p = record + f.offset;
    switch (f.type) {
    case FieldType::Real: {
        double v;
        std::memcpy(&v, p, 8);
        sqlite3_bind_double(stmt, index, v);
        break;
    }
    case FieldType::String: {
        const std::string_view v = clipped({p, f.size});
        sqlite3_bind_text(stmt, index, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
        break;
    }
    default: sqlite3_bind_int64(stmt, index, readInteger(p, f.size));
    }
}

// A text column as stored text (storedtext.h): as it is, or repaired into repaired.
std::string_view columnText(sqlite3_stmt *stmt, int column, std::string &repaired)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    const std::string_view raw(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
    if (isStoredText(raw))
        return raw;
    repaired = asStoredText(raw);
    return repaired;
}

void decodeField(sqlite3_stmt *stmt, int column, const FieldDef &f, char *record)
{
    char *p = record + f.offset;
    switch (f.type) {
    case FieldType::Real: {
        const double v = sqlite3_column_double(stmt, column);
        std::memcpy(p, &v, 8);
        break;
    }
    case FieldType::String: {
        std::string repaired;
        const std::string_view v = columnText(stmt, column, repaired);
        const std::size_t n = utf8Fit(v, f.size);
        std::memcpy(p, v.data(), n);
        std::memset(p + n, ' ', f.size - n);
        break;
    }
    default: writeInteger(p, f.size, sqlite3_column_int64(stmt, column));
    }
}

} // namespace

SqliteFile::SqliteFile(const FileDef &def, std::string path)
    : def_(def)
    , path_(std::move(path))
    , sql_(def)
{
    known_.bytes.resize(def_.recordSize);
}

SqliteFile::~SqliteFile() { close(); }

int SqliteFile::fail(int rc, bool reading)
{
    const int primary = rc & 0xff;
    if (primary == SQLITE_CONSTRAINT) {
        setLastError(Err::DuplicateKey);
        return Err::DuplicateKey;
    }
    if (reading && (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)) {
        setLastError(Err::RecordHeld);
        return Err::RecordHeld;
    }
    sqlite3 *db = database_ ? database_->handle() : nullptr;
    setDriverError(std::to_string(rc), db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    return Err::DriverError;
}

int SqliteFile::writable() const
{
    if (refused_ > 0) {
        setLastError(Err::AccessDenied, "a write outside a unit of work that did not start or was undone");
        return Err::AccessDenied;
    }
    if (readOnly_) {
        setLastError(Err::AccessDenied, "the file is open for reading only");
        return Err::AccessDenied;
    }
    return Err::None;
}

int SqliteFile::exec(const char *sql)
{
    const int rc = sqlite3_exec(active().db(), sql, nullptr, nullptr, nullptr);
    return rc == SQLITE_OK ? Err::None : fail(rc);
}

int SqliteFile::open(OpenMode mode)
{
    if (database_)
        return Err::AlreadyOpen;
    int error = Err::None;
    database_ = Database::open(path_, mode, busyMs_, error);
    if (!database_)
        return error;
    statements_ = std::make_unique<Connection>(database_->handle());
    readOnly_ = mode == OpenMode::ReadOnlyShared || database_->readOnly();
    if (const int result = verifyLayout(); result != Err::None) {
        close();
        setLastError(result == Err::DriverError ? Err::DriverError : result);
        return result;
    }
    return Err::None;
}

int SqliteFile::verifyLayout()
{
    // One read transaction for every look at the schema, so a station committing meanwhile can
    // neither make the second look fail nor show a different table than the first.
    sqlite3 *db = database_->handle();
    if (sqlite3_get_autocommit(db) == 0)
        return verifyLayoutInTransaction(); // creating, or inside a unit of work
    if (sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(sqlite3_errcode(db));
    // A table this connection verified before, with the schema unchanged since, is still ours.
    int version = -1;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA schema_version", -1, &stmt, nullptr) == SQLITE_OK
        && sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    if (version >= 0 && database_->verified(def_.name, version)) {
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        return Err::None;
    }
    const int result = verifyLayoutInTransaction();
    if (result == Err::None && version >= 0)
        database_->setVerified(def_.name, version);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    return result;
}

int SqliteFile::verifyLayoutInTransaction()
{
    sqlite3 *db = database_->handle();
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT type, name, sql FROM sqlite_master WHERE tbl_name = ? COLLATE NOCASE",
                                -1, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        const int primary = rc & 0xff;
        return (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) ? Err::AccessDenied : fail(rc);
    }
    sqlite3_bind_text(stmt, 1, def_.name, -1, SQLITE_STATIC);
    bool table = false;
    std::vector<std::string> indexSql(def_.keys.size());
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const auto *type = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0));
        const auto *name = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1));
        const auto *sql = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 2));
        if (!type || !name)
            continue;
        if (std::strcmp(type, "table") == 0)
            table = true;
        for (std::size_t k = 0; k < def_.keys.size(); ++k)
            if (std::strcmp(type, "index") == 0 && sql_.indexName(static_cast<int>(k)) == name)
                indexSql[k] = sql ? sql : "";
    }
    sqlite3_finalize(stmt);
    const int primary = rc & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return Err::AccessDenied;
    if (rc != SQLITE_DONE)
        return fail(rc);
    if (!table)
        return Err::FileNotFound; // never created: nothing to lose

    // The columns must be ours, in order and of our types.
    const std::string info = std::string("PRAGMA table_info(\"") + def_.name + "\")";
    if (rc = sqlite3_prepare_v2(db, info.c_str(), -1, &stmt, nullptr); rc != SQLITE_OK) {
        const int busy = rc & 0xff;
        return (busy == SQLITE_BUSY || busy == SQLITE_LOCKED) ? Err::AccessDenied : fail(rc);
    }
    std::vector<std::pair<std::string, std::string>> expected;
    for (const FieldDef &f : def_.fields)
        expected.emplace_back(f.name, SqlText::columnType(f.type));
    if (def_.memoName)
        expected.emplace_back(def_.memoName, "TEXT");
    expected.emplace_back("_position", "INTEGER");
    expected.emplace_back("_version", "INTEGER");
    std::size_t column = 0;
    bool match = true;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const auto *name = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 1));
        const auto *type = reinterpret_cast<const char *>(sqlite3_column_text(stmt, 2));
        if (column >= expected.size() || !name || !type || strcasecmp(name, expected[column].first.c_str()) != 0
            || strcasecmp(type, expected[column].second.c_str()) != 0)
            match = false;
        ++column;
    }
    sqlite3_finalize(stmt);
    if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
        return Err::AccessDenied;
    if (rc != SQLITE_DONE)
        return fail(rc);
    if (!match || column != expected.size())
        return Err::RecordMismatch;
    for (std::size_t k = 0; k < def_.keys.size(); ++k)
        if (indexSql[k] != sql_.indexSql(static_cast<int>(k)))
            return Err::InvalidKeys;
    return Err::None;
}

int SqliteFile::create()
{
    if (database_)
        return Err::AlreadyOpen;
    if (const int made = Database::create(path_); made != Err::None)
        return made;
    int result = Err::None;
    database_ = Database::open(path_, OpenMode::ReadWriteShared, RecoverMs, result);
    if (!database_)
        return result;
    statements_ = std::make_unique<Connection>(database_->handle());
    result = database_->begin();
    if (result == Err::None) {
        // Another station may have made the table meanwhile; anything else in it is not ours to touch.
        result = verifyLayout();
        if (result == Err::FileNotFound) {
            // Stamped in the same transaction as its first table: no station ever sees our
            // tables in a database that is not marked ours.
            result = exec(("PRAGMA application_id=" + std::to_string(ApplicationId)).c_str());
            if (result == Err::None)
                result = exec(sql_.createTable("main").c_str());
            for (std::size_t k = 0; result == Err::None && k < def_.keys.size(); ++k)
                result = exec(sql_.indexSql(static_cast<int>(k)).c_str());
        } else if (result == Err::InvalidKeys) {
            result = Err::None; // there with its records; the open will rebuild the keys
        }
        if (result == Err::None)
            result = database_->commit();
        else
            database_->rollback();
    }
    close();
    if (result != Err::None && result != Err::DriverError)
        setLastError(result);
    return result;
}

void SqliteFile::close()
{
    forget();
    while (depth_ > 0)
        rollback(); // what this file began and did not end is undone, as a closed connection would
    statements_.reset();
    database_.reset();
    inUnit_ = false;
    readOnly_ = false;
    ++changes_;
}

void SqliteFile::sendOption(std::string_view option)
{
    if (option.size() > 8 && strncasecmp(option.data(), "Recover=", 8) == 0) {
        busyMs_ = std::max(0, std::atoi(std::string(option.substr(8)).c_str())) * 1000;
        if (database_)
            database_->setBusyWait(busyMs_);
    }
    // "QUICKSCAN=on" and other options of older drivers need nothing here.
}

int SqliteFile::buildKeys()
{
    // The file is not open while its keys are invalid: the database is opened for the rebuild.
    int result = Err::None;
    const std::shared_ptr<Database> database = Database::open(path_, OpenMode::ReadWriteShared, RecoverMs, result);
    if (!database)
        return result;
    if ((result = database->begin()) != Err::None)
        return result;
    std::string script;
    for (std::size_t k = 0; k < def_.keys.size(); ++k)
        script += sql_.dropIndex("main", static_cast<int>(k)) + ";" + sql_.indexSql(static_cast<int>(k)) + ";";
    if (const int rc = sqlite3_exec(database->handle(), script.c_str(), nullptr, nullptr, nullptr); rc != SQLITE_OK) {
        if ((rc & 0xff) == SQLITE_CONSTRAINT)
            setLastError(result = Err::DuplicateKey);
        else
            setDriverError(std::to_string(rc), sqlite3_errmsg(database->handle())), result = Err::DriverError;
        database->rollback();
    } else {
        result = database->commit();
    }
    ++changes_;
    return result;
}

void SqliteFile::bindRecord(sqlite3_stmt *stmt, RecordBuffer buffer) const
{
    const auto *record = static_cast<const char *>(buffer.bytes);
    int index = 1;
    for (const FieldDef &f : def_.fields)
        bindField(stmt, index++, f, record);
    if (def_.memoName) {
        const std::string &memo = buffer.memo ? buffer.memo->str() : std::string();
        sqlite3_bind_text(stmt, index, memo.data(), static_cast<int>(memo.size()), SQLITE_TRANSIENT);
    }
}

int SqliteFile::bindKey(sqlite3_stmt *stmt, int key, const void *record, int first) const
{
    for (const KeyComponent &c : def_.keys[key].components)
        bindField(stmt, first++, def_.fields[c.field], static_cast<const char *>(record));
    return first;
}

bool SqliteFile::keyBlank(int key, const void *record) const
{
    const auto *bytes = static_cast<const char *>(record);
    for (const KeyComponent &c : def_.keys[key].components) {
        const FieldDef &f = def_.fields[c.field];
        const char *p = bytes + f.offset;
        if (f.type == FieldType::String ? !clipped({p, f.size}).empty()
                                        : (f.type == FieldType::Real ? readReal(p) != 0.0
                                                                     : readInteger(p, f.size) != 0))
            return false;
    }
    return true;
}

void SqliteFile::decode(sqlite3_stmt *stmt, RecordBuffer buffer, Current &current) const
{
    auto *record = static_cast<char *>(buffer.bytes);
    int column = 0;
    for (const FieldDef &f : def_.fields)
        decodeField(stmt, column++, f, record);
    if (def_.memoName) {
        std::string repaired;
        if (buffer.memo)
            *buffer.memo = columnText(stmt, column, repaired);
        ++column;
    }
    current.position = sqlite3_column_int64(stmt, column);
    current.version = sqlite3_column_int64(stmt, column + 1);
}

sqlite3_stmt *SqliteFile::prepared(int statementCode, const std::function<std::string()> &makeSql, int &error)
{
    if (!database_) {
        setLastError(error = Err::FileNotOpen);
        return nullptr;
    }
    sqlite3_stmt *stmt = active().statement(statementCode, makeSql);
    if (!stmt)
        error = fail(sqlite3_errcode(active().db()));
    return stmt;
}

int SqliteFile::readOne(sqlite3_stmt *stmt, RecordBuffer buffer, Current &current)
{
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
        decode(stmt, buffer, current);
        remember(current, buffer);
        return Err::None;
    }
    if (rc == SQLITE_DONE)
        return setLastError(Err::RecordNotFound), Err::RecordNotFound;
    return fail(rc, true);
}

int SqliteFile::get(int key, RecordBuffer buffer, Current &current)
{
    int error = Err::None;
    sqlite3_stmt *stmt = prepared(code(OpExact, key), [&] { return sql_.selectExact(active().schema(), key); }, error);
    if (!stmt)
        return error;
    StatementUse use(stmt);
    bindKey(stmt, key, buffer.bytes, 1);
    return readOne(stmt, buffer, current);
}

int SqliteFile::reget(Position position, RecordBuffer buffer, Current &current)
{
    int error = Err::None;
    sqlite3_stmt *stmt = prepared(code(OpAt), [&] { return sql_.selectAt(active().schema()); }, error);
    if (!stmt)
        return error;
    StatementUse use(stmt);
    sqlite3_bind_int64(stmt, 1, position);
    return readOne(stmt, buffer, current);
}

std::unique_ptr<Cursor> SqliteFile::cursor(int firstBatch) { return std::make_unique<SqliteCursor>(*this, firstBatch); }

Current SqliteFile::currentOf(const Cursor &cursor) const
{
    return static_cast<const SqliteCursor &>(cursor).current();
}

int SqliteFile::fetch(int key, Seek seek, bool backwards, const void *anchor, Position anchorPosition, int limit,
                      RowBlock &rows)
{
    rows.clear();
    if (!database_)
        return setLastError(Err::FileNotOpen), Err::FileNotOpen;
    const int variant = static_cast<int>(seek) * 2 + (backwards ? 1 : 0);
    sqlite3_stmt *stmt = active().statement(code(OpFetch, key, variant),
                                            [&] { return sql_.select(active().schema(), key, seek, backwards); });
    if (!stmt)
        return fail(sqlite3_errcode(active().db()));
    StatementUse use(stmt);
    int next = 1;
    if (seek != Seek::All && key >= 0)
        next = bindKey(stmt, key, anchor, next);
    if (seek == Seek::After)
        sqlite3_bind_int64(stmt, next++, anchorPosition);
    sqlite3_bind_int(stmt, next, limit);

    rows.recordSize = def_.recordSize;
    if (rows.bytes.size() < static_cast<std::size_t>(limit) * def_.recordSize) {
        rows.bytes.resize(static_cast<std::size_t>(limit) * def_.recordSize);
        rows.positions.resize(limit);
        rows.versions.resize(limit);
        if (def_.memoName)
            rows.memos.resize(limit);
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        Memo memo;
        Current current;
        decode(stmt, {rows.bytes.data() + rows.count * def_.recordSize, def_.memoName ? &memo : nullptr}, current);
        if (def_.memoName)
            rows.memos[rows.count] = memo.str();
        rows.positions[rows.count] = current.position;
        rows.versions[rows.count] = current.version;
        ++rows.count;
    }
    return rc == SQLITE_DONE ? Err::None : fail(rc, true);
}

int SqliteFile::add(RecordBuffer buffer, Current &current)
{
    if (const int refused = writable(); refused != Err::None)
        return refused;
    int error = Err::None;
    sqlite3_stmt *stmt = prepared(code(OpInsert), [&] { return sql_.insert(active().schema()); }, error);
    if (!stmt)
        return error;
    StatementUse use(stmt);
    bindRecord(stmt, buffer);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE)
        return fail(rc);
    ++changes_;
    current.position = sqlite3_last_insert_rowid(active().db());
    current.version = 0;
    remember(current, buffer);
    return Err::None;
}

// Writes only the fields that differ from the stored record, so the indexes over the others are
// left alone: a line whose quantity changed does not rewrite its eleven keys.
int SqliteFile::put(RecordBuffer buffer, Current &current)
{
    if (const int refused = writable(); refused != Err::None)
        return refused;
    if (!database_)
        return setLastError(Err::FileNotOpen), Err::FileNotOpen;
    if (current.position == 0)
        return setLastError(Err::NoCurrentRecord), Err::NoCurrentRecord;
    if (known_.position != current.position || known_.version != current.version) {
        Current now;
        const int read = reget(current.position, {known_.bytes.data(), def_.memoName ? &known_.memo : nullptr}, now);
        if (read == Err::RecordNotFound || (read == Err::None && now.version != current.version)) {
            setLastError(Err::ChangedByOther); // someone else wrote (or removed) it since we read it
            return Err::ChangedByOther;
        }
        if (read != Err::None)
            return read;
    }
    const std::string changed = changedFields(buffer, known_.bytes.data(), known_.memo);
    sqlite3_stmt *stmt = active().statement(changed, [&] { return sql_.update(active().schema(), changed); });
    if (!stmt)
        return fail(sqlite3_errcode(active().db()));
    StatementUse use(stmt);
    const int next = bindChanged(stmt, buffer, changed);
    sqlite3_bind_int64(stmt, next, current.position);
    sqlite3_bind_int64(stmt, next + 1, current.version);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE)
        return fail(rc);
    ++changes_;
    if (sqlite3_changes(active().db()) == 0) {
        forget();
        setLastError(Err::ChangedByOther);
        return Err::ChangedByOther;
    }
    ++current.version;
    remember(current, buffer);
    return Err::None;
}

// Kept by position and version: a record keeps its bytes while its version stands, since every
// write bumps it.
void SqliteFile::remember(const Current &current, RecordBuffer buffer)
{
    known_.position = current.position;
    known_.version = current.version;
    if (buffer.bytes != known_.bytes.data())
        std::memcpy(known_.bytes.data(), buffer.bytes, def_.recordSize);
    if (def_.memoName && buffer.memo != &known_.memo)
        known_.memo = buffer.memo ? buffer.memo->str() : std::string_view();
}

void SqliteFile::forget() { known_.position = 0; }

std::string SqliteFile::changedFields(RecordBuffer buffer, const char *stored, const Memo &storedMemo) const
{
    const auto *record = static_cast<const char *>(buffer.bytes);
    std::string changed;
    changed.reserve(def_.fields.size() + 1);
    for (const FieldDef &f : def_.fields)
        changed += std::memcmp(record + f.offset, stored + f.offset, f.size) == 0 ? '0' : '1';
    if (def_.memoName)
        changed += (buffer.memo ? buffer.memo->str() : std::string()) == storedMemo.str() ? '0' : '1';
    return changed;
}

int SqliteFile::bindChanged(sqlite3_stmt *stmt, RecordBuffer buffer, const std::string &changed) const
{
    const auto *record = static_cast<const char *>(buffer.bytes);
    int index = 1;
    for (std::size_t i = 0; i < def_.fields.size(); ++i)
        if (changed[i] == '1')
            bindField(stmt, index++, def_.fields[i], record);
    if (def_.memoName && changed.back() == '1') {
        const std::string &memo = buffer.memo ? buffer.memo->str() : std::string();
        sqlite3_bind_text(stmt, index++, memo.data(), static_cast<int>(memo.size()), SQLITE_TRANSIENT);
    }
    return index;
}

int SqliteFile::remove(const Current &current)
{
    if (const int refused = writable(); refused != Err::None)
        return refused;
    int error = Err::None;
    sqlite3_stmt *stmt = prepared(code(OpDelete), [&] { return sql_.remove(active().schema()); }, error);
    if (!stmt)
        return error;
    StatementUse use(stmt);
    sqlite3_bind_int64(stmt, 1, current.position);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE)
        return fail(rc);
    ++changes_;
    if (known_.position == current.position)
        forget();
    if (sqlite3_changes(active().db()) == 0)
        return setLastError(Err::RecordNotFound), Err::RecordNotFound;
    return Err::None;
}

int SqliteFile::duplicateKey(const void *record, Position self)
{
    for (std::size_t k = 0; k < def_.keys.size(); ++k) {
        const int key = static_cast<int>(k);
        if (!def_.keys[k].unique || keyBlank(key, record))
            continue;
        sqlite3_stmt *stmt = active().statement(code(OpClash, key), [&] { return sql_.clashes(active().schema(), key); });
        if (!stmt)
            continue;
        StatementUse use(stmt);
        const int next = bindKey(stmt, key, record, 1);
        sqlite3_bind_int64(stmt, next, self);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            return key;
    }
    return -1;
}

std::int64_t SqliteFile::records()
{
    if (!database_)
        return 0;
    sqlite3_stmt *stmt = active().statement(code(OpCount), [&] { return sql_.count(active().schema()); });
    if (!stmt)
        return 0;
    StatementUse use(stmt);
    return sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
}

std::int64_t SqliteFile::bytes()
{
    if (!database_)
        return 0;
    sqlite3_stmt *stmt = active().statement(code(OpBytes), [&] {
        return "SELECT TOTAL(pgsize) FROM dbstat WHERE name IN (SELECT name FROM sqlite_master WHERE tbl_name = '"
               + std::string(def_.name) + "')";
    });
    if (!stmt)
        return 0;
    StatementUse use(stmt);
    return sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
}

int SqliteFile::empty()
{
    if (const int refused = writable(); refused != Err::None)
        return refused;
    int error = Err::None;
    sqlite3_stmt *stmt = prepared(code(OpEmpty), [&] { return sql_.empty(active().schema()); }, error);
    if (!stmt)
        return error;
    StatementUse use(stmt);
    const int rc = sqlite3_step(stmt);
    ++changes_;
    forget();
    return rc == SQLITE_DONE ? Err::None : fail(rc);
}

DataVersion SqliteFile::dataVersion()
{
    // The database's stamp moves with every other connection's commit; this file's own writes
    // are counted here.
    if (statements_) {
        sqlite3_stmt *stmt = statements_->statement(code(OpDataVersion), [] { return std::string("PRAGMA data_version"); });
        if (stmt) {
            StatementUse use(stmt);
            if (sqlite3_step(stmt) == SQLITE_ROW)
                return {sqlite3_column_int64(stmt, 0), changes_};
        }
    }
    return {-1, ++changes_}; // unknown: unlike any stamp handed out before
}

int SqliteFile::begin()
{
    if (const int refused = writable(); refused != Err::None)
        return refused;
    if (!database_)
        return setLastError(Err::FileNotOpen), Err::FileNotOpen;
    if (const int result = database_->begin(); result != Err::None)
        return result;
    ++depth_;
    return Err::None;
}

int SqliteFile::commit()
{
    if (depth_ == 0)
        return Err::None;
    --depth_;
    return database_->commit();
}

int SqliteFile::rollback()
{
    if (depth_ == 0)
        return Err::None;
    --depth_;
    ++changes_;
    return database_->rollback();
}

void SqliteFile::joinUnit()
{
    inUnit_ = true;
    ++changes_;
}

void SqliteFile::leaveUnit()
{
    inUnit_ = false;
    ++changes_;
}

} // namespace dict::storage::sqlite
