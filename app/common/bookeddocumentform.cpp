#include "app/common/bookeddocumentform.h"

#include "dictionary/errorreporter.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/filemanager.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"

namespace app {

BookedDocumentForm::BookedDocumentForm(fw::ProcedureSpec spec, DocumentFile document, dict::LONG unfinished)
    : fw::FormProcedure(std::move(spec)), document_(document), unfinished_(unfinished)
{}

dict::LONG BookedDocumentForm::number() const
{
    return static_cast<dict::LONG>(dict::integerOf(*document_.number.def, document_.number.record));
}

// A new document takes its number now, or an unfinished one is taken up again; Cancel gives it back.
int BookedDocumentForm::Built()
{
    if (opensNew() && !document_.file.Primed()
        && (unfinished_ ? resumeUnfinished() : document_.file.PrimeRecord()) != dict::Benign)
        return dict::Notify;
    if (opensNew() && claimEntry(document_.entry, number()))
        claimed_ = number();
    return dict::Benign;
}

int BookedDocumentForm::resumeUnfinished()
{
    dict::setInteger(*document_.number.def, document_.number.record, unfinished_);
    if (document_.file.Fetch(document_.numberKey) != dict::Benign)
        return dict::Notify;
    return document_.file.ResumeReserved();
}

int BookedDocumentForm::TakeCompleted()
{
    Update();
    SaveHistory();
    if (!readyToSave())
        return dict::Notify;
    if (!book()) {
        Display();
        return dict::Notify;
    }
    Display();
    SetResponse(fw::RequestCompleted);
    return dict::Benign;
}

int BookedDocumentForm::TakeCloseEvent()
{
    if (Response == fw::RequestCompleted)
        return Procedure::TakeCloseEvent();
    if (recordChanged()) {
        const int answer = REPORTS::Errors().Message(dict::Msg::SaveRecord,
                                                     dict::ButtonYes | dict::ButtonNo | dict::ButtonCancel,
                                                     dict::ButtonCancel);
        if (answer == dict::ButtonYes) {
            PostCompleted();
            return dict::Notify;
        }
        if (answer != dict::ButtonNo)
            return dict::Notify;
    }
    if (!cancelBooking())
        return dict::Notify;
    CancelAction = 0; // asked above
    return Procedure::TakeCloseEvent();
}

void BookedDocumentForm::Closing()
{
    const bool wrote = OriginalRequest == fw::InsertRecord || OriginalRequest == fw::ChangeRecord;
    if (Response == fw::RequestCompleted && wrote)
        saved();
    if (claimed_ != 0)
        releaseEntry(document_.entry, claimed_); // saved or removed: no longer being entered
    closed();
}

} // namespace app
