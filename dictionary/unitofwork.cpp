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
    for (FileManager *file : files)
        members_.push_back(file->File());
    unit_ = storage::sqliteDriver().beginUnit(members_);
    if (!unit_) {
        fence(); // the driver's reason stays the last error
        return;
    }
    for (FileManager *file : files) {
        const FileState &state = *file->State();
        standing_.push_back({file, state.current, state.reserved, state.primed});
        if (std::find(held_.begin(), held_.end(), file->Id()) != held_.end())
            continue;
        held_.push_back(file->Id());
        changeNotices().Hold(file->Id());
    }
}

UnitOfWork::~UnitOfWork()
{
    Rollback();
    if (fenced_)
        for (storage::RecordFile *file : members_)
            file->refuseWrites(false);
}

int UnitOfWork::Commit()
{
    if (!unit_)
        return Notify;
    const int result = unit_->commit();
    unit_.reset();
    if (result != Err::None) {
        restoreStanding(); // a failed commit has left nothing on file
        fence();
    }
    standing_.clear();
    release(result == Err::None);
    return result == Err::None ? Benign : Notify;
}

void UnitOfWork::Rollback()
{
    if (unit_) {
        unit_->rollback();
        restoreStanding();
        fence();
    }
    standing_.clear();
    unit_.reset();
    release(false);
}

void UnitOfWork::fence()
{
    if (fenced_)
        return;
    fenced_ = true;
    for (storage::RecordFile *file : members_)
        file->refuseWrites(true);
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
