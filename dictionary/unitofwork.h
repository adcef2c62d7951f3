// A unit of work: the writes of one user action to several files, committed together or not at
// all. Commits only when told; rolls back when it goes out of scope otherwise.
//
//     dict::UnitOfWork unit{&Access::INVOICE, &Access::FINANCE, &Access::CUSTOMER};
//     ... Insert / Update / Delete through the managers ...
//     if (unit.Commit() != dict::Benign) ...   // nothing of it is on file
//
// The files must be open. A unit that cannot begin (a file held by another station past the busy
// wait, a read-only or damaged file) is inactive, and until it is gone every write through its
// files is refused and changes nothing; so is every write after it was rolled back. Nothing is
// ever written outside a unit that failed. Records reserved by PrimeAutoInc inside a unit that is rolled back are
// gone with it, and each access manager is put back where it stood when the unit began (its
// current and reserved record and their versions), so the same writes can simply be tried again. The change notices of its writes are told once per file when it commits, and
// dropped when it rolls back.
#pragma once

#include "dictionary/filemanager.h"

#include <initializer_list>
#include <memory>

namespace dict {

class UnitOfWork
{
public:
    UnitOfWork(std::initializer_list<FileManager *> files);
    explicit UnitOfWork(const std::vector<FileManager *> &files);
    ~UnitOfWork();
    UnitOfWork(const UnitOfWork &) = delete;
    UnitOfWork &operator=(const UnitOfWork &) = delete;

    bool Active() const { return unit_ != nullptr; }
    int Commit();
    void Rollback();

private:
    void restoreStanding();
    void release(bool committed);
    void fence(); // the member files refuse writes until the unit is gone

    struct Standing {
        FileManager *file;
        storage::Current current;
        storage::Current reserved;
        bool primed;
    };

    std::unique_ptr<storage::Unit> unit_;
    std::vector<Standing> standing_; // each file's manager as the unit found it
    std::vector<FileId> held_; // files whose change notices wait for the end of the unit
    std::vector<storage::RecordFile *> members_;
    bool fenced_ = false;
};

} // namespace dict
