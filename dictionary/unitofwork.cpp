#include "dictionary/unitofwork.h"

#include "dictionary/runtimeerror.h"

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
}

UnitOfWork::~UnitOfWork() { Rollback(); }

int UnitOfWork::Commit()
{
    if (!unit_)
        return Notify;
    const int result = unit_->commit();
    unit_.reset();
    return result == Err::None ? Benign : Notify;
}

void UnitOfWork::Rollback()
{
    if (unit_)
        unit_->rollback();
    unit_.reset();
}

} // namespace dict
