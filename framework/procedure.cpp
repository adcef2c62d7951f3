#include "framework/procedure.h"

#include "dictionary/filemanager.h"
#include "dictionary/relationmanager.h"
#include "framework/errorclass.h"
#include "framework/framemessages.h"
#include "framework/reportslib.h"

namespace fw {

int FileUse::open() const { return relate_ ? relate_->Open() : access_->Open(); }

void FileUse::close() const
{
    if (relate_)
        relate_->Close();
    else
        access_->Close();
}

Procedure::Procedure(ProcedureSpec spec)
    : spec_(std::move(spec))
{
    procedureName = spec_.name;
}

Procedure::~Procedure() = default;

int Procedure::Init()
{
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    Resizable = spec_.resizable;
    for (auto install : spec_.messages)
        install(REPORTS::Errors());
    if (!servesRequest() || !Admit())
        return dict::Notify;
    for (const FileUse &file : spec_.files) {
        if (file.open() != dict::Benign)
            return dict::Notify;
        opened_.push_back(&file);
    }
    CreateWindow(WindowTitle());
    if (Build() != dict::Benign)
        return dict::Notify;
    return Open();
}

// A form asked for a request it does not serve says so and closes.
bool Procedure::servesRequest()
{
    struct Refusal {
        int request;
        unsigned serves;
        int message;
    };
    static constexpr Refusal refusals[] = {
        {InsertRecord, ServesInsert, FrameMsg::CannotInsert},
        {ChangeRecord, ServesChange, FrameMsg::CannotChange},
        {DeleteRecord, ServesDelete, FrameMsg::CannotDelete},
    };
    for (const Refusal &r : refusals) {
        if (Request == r.request && !(spec_.serves & r.serves)) {
            REPORTS::Errors().Throw(r.message);
            return false;
        }
    }
    return true;
}

int Procedure::Kill()
{
    WindowManager::Kill();
    if (!opened_.empty())
        Closing();
    for (auto file = opened_.rbegin(); file != opened_.rend(); ++file)
        (*file)->close();
    opened_.clear();
    return dict::Benign;
}

} // namespace fw
