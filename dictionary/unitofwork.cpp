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
    release(result == Err::None);
    return result == Err::None ? Benign : Notify;
}

void UnitOfWork::Rollback()
{
    if (unit_)
        unit_->rollback();
    unit_.reset();
    release(false);
}

// After the unit has left its files: a listener reading them sees what was committed.
void UnitOfWork::release(bool committed)
{
    for (const FileId file : held_)
        changeNotices().Release(file, committed);
    held_.clear();
}

} // namespace dict
