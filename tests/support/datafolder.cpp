#include "tests/support/datafolder.h"

#include "framework/reportslib.h"

#include <sqlite3.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

void closeAllFiles()
{
    for (dict::FileId file : dict::initialisationOrder()) {
        dict::FileManager &manager = dict::access(file);
        while (manager.State()->openCount > 0)
            manager.Close();
        *manager.State() = dict::FileState{};
        dict::clearRecord(manager.Def(), manager.Buffer().bytes);
        if (manager.Buffer().memo)
            manager.Buffer().memo->clear();
    }
}

void DataFolderTest::SetUp()
{
    previous_ = std::filesystem::current_path();
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path()
             / ("tallyquill-" + std::string(info->test_suite_name()) + "-" + info->name() + "-"
                + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    errors.Init();
    errors.setPresenter(&screen);
    REPORTS::INIT(&errors, nullptr);
}

void DataFolderTest::TearDown()
{
    closeAllFiles();
    std::filesystem::current_path(previous_);
    if (!HasFailure())
        std::filesystem::remove_all(folder);
    else
        std::cerr << "kept data folder " << folder << "\n";
}

std::vector<std::string> DataFolderTest::titles() const
{
    std::vector<std::string> out;
    for (const auto &box : screen.shown())
        out.push_back(box.title);
    return out;
}

std::vector<std::string> DataFolderTest::texts() const
{
    std::vector<std::string> out;
    for (const auto &box : screen.shown())
        out.push_back(box.text);
    return out;
}

void sqlOn(const char *path, const char *sql)
{
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(path, &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::string integrityOf(const std::filesystem::path &file)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &stmt, nullptr);
    std::string result = sqlite3_step(stmt) == SQLITE_ROW ? reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0))
                                                          : "no answer";
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return result;
}

std::string tableRows(const char *table)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(dict::DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    const std::string sql = std::string("SELECT * FROM \"") + table + "\" ORDER BY rowid";
    std::string rows;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
        rows = "no table";
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, c));
            rows += std::string(text ? text : "NULL") + '|';
        }
        rows += '\n';
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return rows;
}

std::string fileBytes(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

namespace {

// Runs program with args (and NAME=value settings added to its environment), its output piped.
WorkerProcess startProgram(const char *program, std::vector<std::string> all, const std::vector<std::string> &settings)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {-1, -1};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        for (std::string setting : settings)
            ::putenv(strdup(setting.c_str()));
        std::vector<char *> argv;
        for (std::string &a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(program, argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    return {pid, pipeFds[0]};
}

} // namespace

WorkerProcess startWorker(const std::filesystem::path &folder, const std::vector<std::string> &args)
{
    std::vector<std::string> all{TQ_WORKER, folder.string()};
    all.insert(all.end(), args.begin(), args.end());
    return startProgram(TQ_WORKER, std::move(all), {});
}

WorkerProcess startOwnTest(const std::string &test, const std::vector<std::string> &settings)
{
    return startProgram("/proc/self/exe",
                        {"test", "--gtest_filter=" + test, "--gtest_also_run_disabled_tests", "--gtest_brief=1"},
                        settings);
}

std::string readLine(int fd)
{
    std::string line;
    char c;
    while (::read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

int waitWorker(int pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

WorkerResult runWorker(const std::filesystem::path &folder, const std::vector<std::string> &args)
{
    const WorkerProcess p = startWorker(folder, args);
    std::string output;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(p.output, buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(n));
    ::close(p.output);
    return {waitWorker(p.pid), output};
}

} // namespace testsupport
