// The form of a document that is booked when it is saved: an invoice, a credit memo, a purchase
// order. A new one takes its number as the form opens (or takes up an unfinished one) and is
// claimed while it is entered. Save books it; closing with changes asks whether to save them;
// Cancel undoes or settles what its lines booked meanwhile; a saved one goes to the printer.
// Each document says what is its own: when it may be saved, how it is booked and undone.
#pragma once

#include "app/common/entryclaims.h"
#include "dictionary/fieldpairs.h"
#include "dictionary/fieldtypes.h"
#include "dictionary/fileid.h"
#include "framework/formprocedure.h"

namespace dict {
class FileManager;
}

namespace app {

// Where a kind of document keeps its number.
struct DocumentFile {
    Entry entry;
    dict::FileManager &file;
    dict::KeyRef numberKey;
    dict::FieldRef number; // the number field of the file's buffer
};

class BookedDocumentForm : public fw::FormProcedure
{
public:
    int TakeCompleted() override;
    int TakeCloseEvent() override;

protected:
    // With an unfinished number, the form takes up that document as a new one.
    BookedDocumentForm(fw::ProcedureSpec spec, DocumentFile document, dict::LONG unfinished);

    int Built() override;
    void Closing() override;

    // Whether the document may be saved as it stands; when not, the user is told why.
    virtual bool readyToSave() = 0;
    // Books it; false when it could not be (the user has been told).
    virtual bool book() = 0;
    // What Cancel does to what the lines booked; false keeps the form open.
    virtual bool cancelBooking() = 0;
    // After a Save: the document is handed to what prints it.
    virtual void saved() = 0;
    // The hand-over globals the form leaves behind, cleared.
    virtual void closed() = 0;

    dict::LONG unfinished() const { return unfinished_; }

private:
    bool opensNew() const { return OriginalRequest == fw::InsertRecord; }
    dict::LONG number() const;
    int resumeUnfinished();

    DocumentFile document_;
    dict::LONG unfinished_ = 0; // the unfinished document taken up
    dict::LONG claimed_ = 0;    // the document claimed while it is entered
};

} // namespace app
