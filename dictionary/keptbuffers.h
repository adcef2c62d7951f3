// Keeps what a caller has in record buffers, whatever is read into them meanwhile: the buffers
// are put back when the keeper goes, unless the caller takes what they hold now (release()).
#pragma once

#include "dictionary/filemanager.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace dict {

class KeptBuffers
{
public:
    KeptBuffers(std::initializer_list<FileManager *> files);
    ~KeptBuffers();
    KeptBuffers(const KeptBuffers &) = delete;
    KeptBuffers &operator=(const KeptBuffers &) = delete;

    // What the buffers hold now is what the caller wants: nothing is put back.
    void release();

private:
    std::vector<std::pair<FileManager *, int>> kept_;
};

// Keeps a file's buffer and its read position, with the record Update and Delete act on.
class KeptPlace
{
public:
    explicit KeptPlace(FileManager &file);
    ~KeptPlace();
    KeptPlace(const KeptPlace &) = delete;
    KeptPlace &operator=(const KeptPlace &) = delete;

private:
    FileManager &file_;
    int buffer_;
    int position_;
};

} // namespace dict
