#include "framework/threadcontext.h"

#include "dictionary/files.h"
#include "dictionary/runtimeerror.h"

#include <cstring>

namespace fw {

namespace {
ThreadContext *currentContext = nullptr;
int lastNumber = 0;

int currentNumber() { return ThreadContext::current()->number(); }
} // namespace

ThreadContext::ThreadContext()
    : number_(++lastNumber)
{
    for (dict::FileId file : dict::initialisationOrder()) {
        FileCopy &copy = files_[static_cast<int>(file)];
        const dict::FileDef &def = dict::fileDef(file);
        copy.bytes.resize(def.recordSize);
        dict::clearRecord(def, copy.bytes.data());
    }
}

ThreadContext::~ThreadContext()
{
    if (currentContext == this) {
        // Nothing may keep pointing at this context's state.
        currentContext = &mainContext();
        mainContext().installGlobals();
    }
}

ThreadContext &ThreadContext::mainContext()
{
    static ThreadContext *main = [] {
        // Lives as long as the process. It owns what the globals and the managers' own state
        // hold when it is made: the main frame's records and opens.
        auto *context = new ThreadContext;
        if (!currentContext)
            currentContext = context;
        dict::setThreadNumberSource(currentNumber);
        return context;
    }();
    return *main;
}

ThreadContext *ThreadContext::current()
{
    if (!currentContext)
        mainContext();
    return currentContext;
}

void ThreadContext::makeCurrent()
{
    ThreadContext *previous = current();
    if (previous == this)
        return;
    previous->keepGlobals();
    currentContext = this;
    installGlobals();
}

void ThreadContext::keepGlobals()
{
    for (dict::FileId file : dict::initialisationOrder()) {
        FileCopy &copy = files_[static_cast<int>(file)];
        const dict::FileManager &manager = dict::access(file);
        std::memcpy(copy.bytes.data(), manager.Buffer().bytes, copy.bytes.size());
        if (manager.Buffer().memo)
            copy.memo = manager.Buffer().memo->str();
        copy.links = dict::relate(file).savedLinks();
    }
}

void ThreadContext::installGlobals()
{
    for (dict::FileId file : dict::initialisationOrder()) {
        FileCopy &copy = files_[static_cast<int>(file)];
        dict::FileManager &manager = dict::access(file);
        std::memcpy(manager.Buffer().bytes, copy.bytes.data(), copy.bytes.size());
        if (manager.Buffer().memo)
            *manager.Buffer().memo = copy.memo;
        // The main context keeps the managers' own state, which is there before any context is.
        manager.SetState(this == &mainContext() ? nullptr : &copy.state);
        dict::relate(file).restoreLinks(copy.links);
    }
}

ContextScope::ContextScope(ThreadContext *context)
    : previous_(ThreadContext::current())
{
    if (context)
        context->makeCurrent();
}

ContextScope::~ContextScope() { previous_->makeCurrent(); }

} // namespace fw
