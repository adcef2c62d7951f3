// The "Tps" record-file driver on SQLite: every file a table of the data folder's database, and
// a unit of work one transaction of it.
#include "dictionary/runtimeerror.h"
#include "dictionary/storage/recordfile.h"
#include "dictionary/storage/sqlite/sqlitefile.h"

#include <algorithm>

namespace dict::storage {

namespace sqlite {
namespace {

class SqliteUnit final : public Unit
{
public:
    SqliteUnit(std::shared_ptr<Database> database, std::vector<SqliteFile *> files)
        : database_(std::move(database))
        , files_(std::move(files))
    {
        for (SqliteFile *file : files_)
            file->joinUnit();
    }
    ~SqliteUnit() override { rollback(); }

    int commit() override
    {
        if (!database_)
            return Err::None;
        const int result = database_->commit(); // rolled back when it fails
        finish();
        return result;
    }

    int rollback() override
    {
        if (!database_)
            return Err::None;
        database_->rollback();
        finish();
        return Err::None;
    }

private:
    void finish()
    {
        for (SqliteFile *file : files_)
            file->leaveUnit();
        database_.reset();
    }

    std::shared_ptr<Database> database_;
    std::vector<SqliteFile *> files_;
};

class SqliteDriver final : public Driver
{
public:
    std::string_view name() const override { return "Tps"; }

    std::unique_ptr<RecordFile> file(const FileDef &def, std::string path) override
    {
        return std::make_unique<SqliteFile>(def, std::move(path));
    }

    std::unique_ptr<Unit> beginUnit(const std::vector<RecordFile *> &files) override
    {
        std::vector<SqliteFile *> members;
        for (RecordFile *file : files) {
            auto *member = static_cast<SqliteFile *>(file);
            if (!member->isOpen() || member->inUnit() || member->inTransaction()) {
                setLastError(member->isOpen() ? Err::AccessDenied : Err::FileNotOpen);
                return nullptr;
            }
            if (std::find(members.begin(), members.end(), member) == members.end())
                members.push_back(member);
        }
        if (members.empty())
            return setDriverError("0", "a unit of work without files"), nullptr;
        const std::shared_ptr<Database> &database = members.front()->database();
        for (SqliteFile *member : members)
            if (member->database() != database)
                return setDriverError("0", "a unit of work spans files of one database"), nullptr;
        if (database->depth() > 0)
            return setLastError(Err::AccessDenied, "a unit of work inside another transaction"), nullptr;
        if (database->begin() != Err::None)
            return nullptr; // the database's reason is the last error
        // Holds the database open until the unit ends, even should a member file close meanwhile.
        return std::make_unique<SqliteUnit>(database, std::move(members));
    }

    void setJournal(Journal journal) override { Database::setJournal(journal); }
};

} // namespace
} // namespace sqlite

Driver &sqliteDriver()
{
    static sqlite::SqliteDriver driver;
    return driver;
}

} // namespace dict::storage
