#include "dictionary/keptbuffers.h"

namespace dict {

KeptBuffers::KeptBuffers(std::initializer_list<FileManager *> files)
{
    for (FileManager *file : files)
        kept_.push_back({file, file->SaveBuffer()});
}

KeptBuffers::~KeptBuffers()
{
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it)
        it->first->RestoreBuffer(it->second);
}

void KeptBuffers::release()
{
    for (auto it = kept_.rbegin(); it != kept_.rend(); ++it)
        it->first->DiscardBuffer(it->second);
    kept_.clear();
}

KeptPlace::KeptPlace(FileManager &file) : file_(file), buffer_(file.SaveBuffer()), position_(file.SaveFile()) {}

KeptPlace::~KeptPlace()
{
    file_.RestoreFile(position_);
    file_.RestoreBuffer(buffer_);
}

} // namespace dict
