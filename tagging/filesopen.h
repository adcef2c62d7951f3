// Files opened for one operation and closed again when it ends, as every tag operation does.
#pragma once

#include "dictionary/filemanager.h"

#include <initializer_list>
#include <vector>

namespace ST {

class FilesOpen
{
public:
    // The plain opens report their own failures; false then, and nothing stays open.
    FilesOpen(std::initializer_list<dict::FileManager *> files)
    {
        for (dict::FileManager *file : files) {
            if (file->Open() != dict::Benign) {
                ok_ = false;
                return;
            }
            opened_.push_back(file);
        }
    }
    ~FilesOpen()
    {
        for (dict::FileManager *file : opened_)
            file->Close();
    }
    FilesOpen(const FilesOpen &) = delete;
    FilesOpen &operator=(const FilesOpen &) = delete;
    explicit operator bool() const { return ok_; }

private:
    std::vector<dict::FileManager *> opened_;
    bool ok_ = true;
};

} // namespace ST
