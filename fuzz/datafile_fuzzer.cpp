// A data file another program wrote, or a disk damaged: rows of any value in a table of the right
// layout. The first byte picks the file; the rest makes its rows, each column a NULL, an integer,
// a real, text or a blob of the bytes that follow. The file is then opened and read through the
// file manager in every key, both ways, and its first record is written back unchanged:
//   - nothing crashes, hangs or reads out of bounds;
//   - every record read holds text that is UTF-8 and no NUL, as the program's windows store it;
//   - a record written back reads back as it was written.
// The harness works in a folder of its own: give it its corpus folders by absolute paths.
#include "dictionary/fieldtypes.h"
#include "dictionary/filemanager.h"
#include "dictionary/files.h"
#include "dictionary/schema.h"
#include "dictionary/storage/sqlite/storedtext.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using dict::FileId;

// The bytes of the input, taken from the front.
struct Bytes {
    const std::uint8_t *at;
    std::size_t left;

    std::uint8_t byte() { return left ? (--left, *at++) : 0; }
    std::string_view take(std::size_t n)
    {
        n = std::min(n, left);
        const std::string_view taken(reinterpret_cast<const char *>(at), n);
        at += n;
        left -= n;
        return taken;
    }
    template <typename T>
    T value()
    {
        T v{};
        const std::string_view raw = take(sizeof v);
        std::memcpy(&v, raw.data(), raw.size());
        return v;
    }
};

sqlite3 *database()
{
    static sqlite3 *db = [] {
        char name[] = "/tmp/tq-datafile-fuzz-XXXXXX";
        if (!mkdtemp(name) || chdir(name) != 0 || mkdir("data", 0700) != 0)
            std::abort();
        for (int f = 0; f < dict::FileCount; ++f) { // every table, made as the program makes it
            dict::FileManager &file = dict::access(static_cast<FileId>(f));
            if (file.Open() != dict::Benign)
                std::abort();
            file.Close();
        }
        sqlite3 *opened = nullptr;
        if (sqlite3_open(dict::DatabasePath, &opened) != SQLITE_OK)
            std::abort();
        return opened;
    }();
    return db;
}

void fillRows(const dict::FileDef &def, Bytes &in)
{
    sqlite3 *db = database();
    const std::string table = std::string("\"") + def.name + "\"";
    sqlite3_exec(db, ("DELETE FROM " + table).c_str(), nullptr, nullptr, nullptr);
    const int columns = static_cast<int>(def.fields.size()) + (def.memoName ? 1 : 0) + 2;
    std::string sql = "INSERT INTO " + table + " VALUES (?";
    for (int c = 1; c < columns; ++c)
        sql += ",?";
    sql += ")";
    sqlite3_stmt *insert = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &insert, nullptr) != SQLITE_OK)
        std::abort();
    for (int row = 0; row < 8 && in.left > 0; ++row) {
        for (int c = 1; c <= columns; ++c) {
            switch (in.byte() % 6) {
            case 0: sqlite3_bind_null(insert, c); break;
            case 1: sqlite3_bind_int64(insert, c, in.value<std::int64_t>()); break;
            case 2: sqlite3_bind_double(insert, c, in.value<double>()); break;
            case 3: {
                const std::string_view text = in.take(in.byte());
                sqlite3_bind_text(insert, c, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
                break;
            }
            case 4: {
                const std::string_view blob = in.take(in.byte());
                sqlite3_bind_blob(insert, c, blob.data(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
                break;
            }
            default: sqlite3_bind_int64(insert, c, static_cast<std::int8_t>(in.byte())); break;
            }
        }
        sqlite3_step(insert); // a row the table's own constraints refuse is simply not there
        sqlite3_reset(insert);
        sqlite3_clear_bindings(insert);
    }
    sqlite3_finalize(insert);
}

// The record in the buffer holds what a window could have stored.
void checkRecord(const dict::FileManager &file)
{
    using dict::storage::sqlite::isStoredText;
    const char *record = static_cast<const char *>(file.Buffer().bytes);
    for (const dict::FieldDef &f : file.Def().fields)
        if (f.type == dict::FieldType::String && !isStoredText({record + f.offset, f.size}))
            __builtin_trap();
    if (const dict::Memo *memo = file.Buffer().memo; memo && !isStoredText(memo->str()))
        __builtin_trap();
}

void readEveryKey(dict::FileManager &file)
{
    (void)file.Records();
    for (std::size_t k = 0; k < file.Def().keys.size(); ++k) {
        const dict::KeyRef key{file.Def().id, static_cast<int>(k)};
        file.SetStart(key);
        for (int n = 0; n < 16 && file.Next() == dict::Benign; ++n)
            checkRecord(file);
        file.SetEnd(key);
        for (int n = 0; n < 16 && file.Previous() == dict::Benign; ++n)
            checkRecord(file);
    }
}

// The first record, written back unchanged, reads back as written.
void writeBack(dict::FileManager &file)
{
    const dict::KeyRef primary{file.Def().id, file.Def().primaryKey() < 0 ? 0 : file.Def().primaryKey()};
    file.SetStart(primary);
    if (file.Next() != dict::Benign || file.TryUpdate() != dict::Benign)
        return;
    const std::size_t size = file.Def().recordSize;
    const std::vector<char> written(static_cast<const char *>(file.Buffer().bytes),
                                    static_cast<const char *>(file.Buffer().bytes) + size);
    if (file.TryReget(file.Position()) != dict::Benign)
        return;
    if (std::memcmp(written.data(), file.Buffer().bytes, size) != 0)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Bytes in{data, size};
    const auto id = static_cast<FileId>(in.byte() % dict::FileCount);
    dict::FileManager &file = dict::access(id);
    fillRows(file.Def(), in);
    if (file.Open() != dict::Benign)
        return 0;
    readEveryKey(file);
    writeBack(file);
    file.Close();
    return 0;
}
