#include "dictionary/unitofwork.h"

#include "dictionary/changenotices.h"
#include "dictionary/runtimeerror.h"

#include <algorithm>

namespace dict {

UnitOfWork::UnitOfWork(std::initializer_list<FileManager *> files)
    : UnitOfWork(std::vector<FileManager *>(files))
{}

UnitOfWork::UnitOfWork(const std::vector<FileManager *> &files)
{
    std::vector<storage::RecordFile *> members;
    for (FileManager *file : files)
        members.push_back(file->File());
    unit_ = storage::sqliteDriver().beginUnit(members);
    if (!unit_)
        return; // the writes go to each file as they are made, and are told so
    for (FileManager *file : files) {
        const FileState &state = *file->State();
        standing_.push_back({file, state.current, state.reserved, state.primed});
        if (std::find(held_.begin(), held_.end(), file->Id()) != held_.end())
            continue;
        held_.push_back(file->Id());
        changeNotices().Hold(file->Id());
    }
}

UnitOfWork::~UnitOfWork() { Rollback(); }

int UnitOfWork::Commit()
{
    if (!unit_)
        return Notify;
    const int result = unit_->commit();
    unit_.reset();
    if (result != Err::None)
        restoreStanding(); // a failed commit has left nothing on file
    standing_.clear();
    release(result == Err::None);
    return result == Err::None ? Benign : Notify;
}

void UnitOfWork::Rollback()
{
    if (unit_) {
        unit_->rollback();
        restoreStanding();
    }
    standing_.clear();
    unit_.reset();
    release(false);
}

// Versions bumped and reservations completed by undone writes are undone with them.
void UnitOfWork::restoreStanding()
{
    for (const Standing &was : standing_) {
        FileState &state = *was.file->State();
        state.current = was.current;
        state.reserved = was.reserved;
        state.primed = was.primed;
    }
}

// After the unit has left its files: a listener reading them sees what was committed.
void UnitOfWork::release(bool committed)
{
    for (const FileId file : held_)
        changeNotices().Release(file, committed);
    held_.clear();
}

} // namespace dict
