// A fresh working folder per test, with the library reporting through a scripted presenter.
// The folder is kept when the test fails, so it can be looked at.
#pragma once

#include "dictionary/files.h"
#include "framework/errorclass.h"
#include "framework/messagepresenter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

class DataFolderTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Titles of the message boxes shown so far.
    std::vector<std::string> titles() const;
    // Texts of the message boxes shown so far.
    std::vector<std::string> texts() const;

    std::filesystem::path folder;
    fw::ScriptedPresenter screen;
    fw::ErrorClass errors;

private:
    std::filesystem::path previous_;
};

// Closes every data file however often it was opened, and blanks every record buffer.
void closeAllFiles();

// Runs SQL on a data file behind the managers' backs, as another station or a user's tool would.
void sqlOn(const char *path, const char *sql);

// SQLite's integrity check of a data file ("ok" when sound), opened for writing as the next
// station opens it, so a journal left behind is played back or let go first.
std::string integrityOf(const std::filesystem::path &file);

// Every row of a table of the database, every column as text, to prove it was left as it was.
std::string tableRows(const char *table);

// Bytes of a file, to prove it was left exactly as it was.
std::string fileBytes(const std::filesystem::path &path);

// Runs the test worker program with arguments in folder; returns its exit status and output.
struct WorkerResult {
    int status;
    std::string output;
};
WorkerResult runWorker(const std::filesystem::path &folder, const std::vector<std::string> &args);
// Starts the worker without waiting; returns its process id and a descriptor for its output.
struct WorkerProcess {
    int pid;
    int output;
};
WorkerProcess startWorker(const std::filesystem::path &folder, const std::vector<std::string> &args);
// Starts this test program again, running only the named test (a DISABLED_ one runs too), with
// NAME=value settings added to its environment; its output piped like a worker's.
WorkerProcess startOwnTest(const std::string &test, const std::vector<std::string> &settings);
// Reads one line of a started worker's output (empty at its end).
std::string readLine(int fd);
int waitWorker(int pid);

} // namespace testsupport
