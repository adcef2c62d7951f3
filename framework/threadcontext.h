// A thread context: what a started procedure has of its own — a copy of every record buffer and
// the access managers' per-file state (opens, read position, reserved record, saved buffers) and
// the relation managers' saved linking values. Every window lives on the GUI thread; making a
// procedure's context current before it handles an event gives each window its own records, as
// per-thread files would. A called procedure shares its caller's context.
#pragma once

#include "dictionary/filemanager.h"
#include "dictionary/fileid.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class ThreadContext
{
public:
    ThreadContext();
    ~ThreadContext();
    ThreadContext(const ThreadContext &) = delete;
    ThreadContext &operator=(const ThreadContext &) = delete;

    int number() const { return number_; }

    // Puts this context's records and state in place of the current one's (which is kept).
    void makeCurrent();
    static ThreadContext *current();
    // The context of the main frame: current when no other is.
    static ThreadContext &mainContext();

private:
    struct FileCopy {
        std::vector<char> bytes;
        std::string memo;
        dict::FileState state;
        std::vector<std::vector<std::vector<char>>> links;
    };
    void keepGlobals();
    void installGlobals();

    int number_;
    std::array<FileCopy, dict::FileCount> files_;
};

// Makes a context current for a scope and puts the previous one back afterwards.
class ContextScope
{
public:
    explicit ContextScope(ThreadContext *context);
    ~ContextScope();

private:
    ThreadContext *previous_;
};

} // namespace fw
