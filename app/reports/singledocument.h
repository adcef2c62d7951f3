// A document report that prints one stored document, or its blank form: the credit memo and the
// purchase order. The document's number is handed over in a global. The document, its lines and
// its party are read by the report in one read transaction, so a window saving meanwhile never
// changes a half-printed document. After a run whose pages were really printed or saved, the
// document is marked "P" in one unit of work.
#pragma once

#include "app/reports/invoiceprint.h"
#include "dictionary/fieldpairs.h"
#include "dictionary/fileid.h"
#include "reports/reportprocedure.h"

#include <string>
#include <string_view>
#include <vector>

namespace dict {
class FileManager;
class RelationManager;
} // namespace dict

namespace PRN {

// The settings the frame parked in the thread globals for a blank form, put back.
void restoreParkedPrintSettings();

class SingleDocument : public rpt::ReportProcedure
{
protected:
    // Where the document is kept and how it is named.
    struct Source {
        dict::RelationManager &relation;
        dict::FileManager &file;
        dict::KeyRef numberKey;
        dict::FieldRef number;  // the number field of the file's buffer
        dict::FieldRef printed; // its "P" mark
        dict::LONG (*handedOver)(); // the global that holds the number to print
        int notFound;           // the message that names a number not on file
        const char *what;       // "Credit memo": names it when its mark cannot be written
    };

    SingleDocument(std::string_view name, Source source);

    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void Closing() override;
    bool Previewing() const override; // stationery goes straight to the printer

    // Whether a stored document is printed, not the blank form.
    bool printing() const { return !print_.run.blank; }
    // After the document's pages are laid out: it is marked once they are printed.
    void laidOut() { laid_ = true; }

    dict::LONG number() const { return number_; }

    InvoicePrint print_;
    rpt::Band totals_;

private:
    void markPrinted();

    Source source_;
    dict::LONG number_ = 0;
    std::vector<unsigned char> range_; // a record holding the number, for the view's range
    bool laid_ = false;
};

} // namespace PRN
