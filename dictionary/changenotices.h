// Change notices: the access managers tell whoever listens that records of a file were written in
// this process, once the write is on file. Open browses listen, so what they show follows every
// save at once; other stations' writes are seen through the file's change stamp instead.
//
// A write inside a unit of work is told once per file when the unit commits, and not at all when
// it rolls back. Listeners are called on the writer's stack, in the writer's records: they should
// only note the change and act on it later.
#pragma once

#include "dictionary/fileid.h"
#include "dictionary/storage/recordfile.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace dict {

enum class Change : std::uint8_t {
    Added,   // a record added (a number reserved by PrimeAutoInc adds its record)
    Changed, // a record written over (an insert that completes a reserved record too)
    Deleted,
    Emptied, // every record of the file deleted at once
    Several, // more than one of these, committed together by a unit of work
};

struct ChangeNotice {
    FileId file;
    Change change;
    storage::Position position = 0; // the record written; 0 for Emptied and Several
    bool operator==(const ChangeNotice &) const = default;
};

using ChangeListener = std::function<void(const ChangeNotice &)>;

class ChangeNotices
{
public:
    using Token = std::uint64_t;

    // Listeners of a file are told in the order they subscribed. A listener may subscribe or
    // unsubscribe (itself included) while it is told.
    Token Subscribe(FileId file, ChangeListener listener);
    void Unsubscribe(Token token);

    // A write through an access manager that is on file, or kept for its unit of work.
    void Announce(const ChangeNotice &notice);

    // A unit of work holds the notices of its files from its start until it ends: committed, they
    // are told once per file; rolled back, they are dropped.
    void Hold(FileId file);
    void Release(FileId file, bool committed);
    bool Held(FileId file) const { return files_[index(file)].holds > 0; }

private:
    struct Listener {
        Token token;
        ChangeListener call;
    };
    struct PerFile {
        std::vector<Listener> listeners;
        std::vector<ChangeNotice> held;
        int holds = 0;
    };
    static std::size_t index(FileId file) { return static_cast<std::size_t>(file); }
    void tell(const ChangeNotice &notice);

    std::array<PerFile, FileCount> files_;
    Token lastToken_ = 0;
};

// The process's one registry.
ChangeNotices &changeNotices();

} // namespace dict
