#include "app/reports/invoicedocuments.h"

#include "app/common/booking.h"
#include "app/inventory/picturefiles.h"
#include "app/printselect/tagbrowses.h"
#include "app/reports/documentmessages.h"
#include "app/reports/singledocument.h"
#include "app/shell/procedures.h"
#include "dictionary/errorreporter.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "dictionary/unitofwork.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"
#include "reports/winroutines.h"
#include "tagging/filetagtable.h"
#include "tagging/tags.h"
#include "tagging/taguser.h"

#include <algorithm>
#include <string>

namespace PRN {

namespace {

// The tag of a tagged invoice into TF_; false when it is not there (any more).
bool fetchTag(dict::LONG invoiceNo)
{
    TF_.USR = ST::GetTagUsr();
    TF_.TBL = ST::InvoiceTable;
    TF_.PTR = invoiceNo;
    return Access::TAGFILE_.TryFetch(TF_.PtrKey) == dict::Benign;
}

std::string invoiceName(dict::LONG invoiceNo) { return "Invoice " + std::to_string(invoiceNo); }

} // namespace

InvoiceDocuments::InvoiceDocuments(std::string_view name, Form form, bool tagged)
    : ReportProcedure(name), form_(form), tagged_(tagged), invoice_(invoiceLayout(print_)),
      packageList_(packageListLayout(print_))
{
    if (tagged)
        ReadsFiles({&Access::INVOICE, &Access::DESCRIPTION, &Access::CUSTOMER, &Access::SETUP, &Access::TAGFILE_});
    else
        ReadsFiles({&Access::INVOICE, &Access::DESCRIPTION, &Access::CUSTOMER, &Access::SETUP});
}

int InvoiceDocuments::OpenFiles()
{
    app::installDocumentMessages(REPORTS::Errors());
    print_ = InvoicePrint{};
    print_.run = InvoiceRun::fromGlobals();
    laid_.clear();
    gone_.clear();
    packable_ = false;
    if (const int level = ReportProcedure::OpenFiles(); level != dict::Benign)
        return level;
    // The one invoice asked for must be there: its blank form is a run of its own.
    if (!tagged_ && !print_.run.blank && !dict::lookup(INV.InvoiceNo_Key, print_.run.invoiceNo)) {
        REPORTS::Errors().ThrowMessage(app::DocMsg::InvoiceNotFound, fw::formatValue(print_.run.invoiceNo, "@n06"));
        CloseFiles();
        return dict::Notify;
    }
    readCompany();
    return dict::Benign;
}

// The company block and the logo from the SETUP record; stationery has the company printed.
void InvoiceDocuments::readCompany()
{
    SET.RECORDNO = 1;
    if (Access::SETUP.TryFetch(SET.RecordNo_Key) != dict::Benign)
        return;
    if (!print_.run.stationery)
        print_.company = companyLines(SET, print_.run.regime);
    if (!SET.NETWORKPATH.blank())
        print_.logo = app::picturePath(SET.NETWORKPATH.str()).toStdString();
    print_.logoFrame = print_.run.blank ? 1 : std::clamp(int{SET.LOGOSIZE}, 1, 3);
}

void InvoiceDocuments::SetView(fw::ViewManager &view)
{
    if (tagged_) {
        view.Init(&Relate::TAGFILE_);
        view.AddSortOrder(TF_.PtrKey);
        tagRange_.USR = ST::GetTagUsr();
        tagRange_.TBL = ST::InvoiceTable;
        view.AddRange(dict::fieldOf(tagRange_, tagRange_.USR));
        view.AddRange(dict::fieldOf(tagRange_, tagRange_.TBL));
        return;
    }
    view.Init(&Relate::INVOICE);
    view.AddSortOrder(INV.InvoiceNo_Key);
    // A blank form reads no invoice: numbers start at 1.
    range_.INVOICENO = print_.run.blank ? 0 : print_.run.invoiceNo;
    view.AddRange(dict::fieldOf(range_, range_.INVOICENO));
}

const rpt::Layout &InvoiceDocuments::ReportLayout() const
{
    return form_ == Form::Invoice ? invoice_.form : packageList_;
}

bool InvoiceDocuments::Previewing() const
{
    return GLO.PRINTCHOICE != 1 && ReportProcedure::Previewing(); // stationery goes straight to the printer
}

void InvoiceDocuments::TakeRecord(rpt::ReportEngine &engine)
{
    if (print_.run.blank)
        return;
    const dict::LONG invoiceNo = tagged_ ? dict::LONG{TF_.PTR} : dict::LONG{INV.INVOICENO};
    switch (readDocument(invoiceNo)) {
    case Read::Failed:
        StopReading();
        return;
    case Read::Gone:
        gone_.push_back(invoiceNo);
        return;
    case Read::Found:
        break;
    }
    if (form_ == Form::PackageList && doc_.invoice.QUOTES != 0)
        return; // a quote is not packed
    printDocument(engine);
    laid_.push_back(invoiceNo);
    packable_ = packable_ || doc_.invoice.QUOTES == 0;
}

// The invoice, its lines and its customer as one consistent picture: read inside one
// transaction, which writes nothing and is let go at once.
InvoiceDocuments::Read InvoiceDocuments::readDocument(dict::LONG invoiceNo)
{
    dict::UnitOfWork unit{&Access::INVOICE, &Access::DESCRIPTION, &Access::CUSTOMER};
    if (!unit.Active()) {
        Access::INVOICE.Throw(dict::Msg::RetrievalError);
        return Read::Failed;
    }
    INV.INVOICENO = invoiceNo;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign) {
        const bool gone = Access::INVOICE.GetError() == dict::Err::RecordNotFound;
        unit.Rollback();
        if (gone)
            return Read::Gone;
        Access::INVOICE.Throw(dict::Msg::RetrievalError);
        return Read::Failed;
    }
    doc_.invoice = INV;
    doc_.memo = INV.MEMOS.str();
    CUS.CUSTOMERNO = INV.CUSTOMERNO;
    doc_.customer = Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == dict::Benign ? dict::CUSTOMERRecord(CUS)
                                                                                 : dict::CUSTOMERRecord{};
    doc_.lines.clear();
    for (const auto &line : dict::range(DES.InvoiceNo_Key, invoiceNo))
        doc_.lines.push_back(line);
    unit.Rollback();
    return Read::Found;
}

void InvoiceDocuments::printDocument(rpt::ReportEngine &engine)
{
    engine.startDocument(); // each invoice on pages of its own, numbered among themselves
    static_cast<dict::INVOICERecord &>(INV) = doc_.invoice;
    INV.MEMOS = doc_.memo;
    static_cast<dict::CUSTOMERRecord &>(CUS) = doc_.customer;
    GLO.WINROUTINE = WIN::CustomerAddress;
    WIN::ROUTINES();
    double subTotal = 0;
    for (const dict::DESCRIPTIONRecord &line : doc_.lines)
        subTotal = dict::roundCents(subTotal + line.AMOUNT);
    print_.haveDocument = true;
    print_.quote = doc_.invoice.QUOTES != 0;
    print_.memo = doc_.memo;
    print_.totals = totalsRows(doc_.invoice, subTotal, print_.run);

    for (const dict::DESCRIPTIONRecord &line : doc_.lines) {
        static_cast<dict::DESCRIPTIONRecord &>(DES) = line;
        engine.printDetail();
    }
    if (form_ == Form::Invoice)
        engine.printBand(invoice_.totals);
    else if (doc_.lines.empty())
        engine.printBand(rpt::Band{1, {}, {}}); // the form, with no lines to pack
}

void InvoiceDocuments::Closing()
{
    if (form_ == Form::Invoice) {
        markPrinted();
        if (printed())
            followUp();
        if (tagged_ && printed())
            untagPrinted();
        GLO.STARTUP = dict::StartUp::None;
    }
    if (print_.run.blank)
        restoreParkedPrintSettings();
}

// One unit of work: the invoices printed take the "P" mark (only when the pages were really
// printed or saved), and tags of invoices deleted meanwhile go.
void InvoiceDocuments::markPrinted()
{
    const bool marking = printed() && !laid_.empty();
    if (!marking && (gone_.empty() || !tagged_))
        return;
    std::vector<dict::FileManager *> files{&Access::INVOICE};
    if (tagged_)
        files.push_back(&Access::TAGFILE_);
    std::string what = "The printed marks"; // names the record whose write failed
    const int booked = app::book(files, what, [&]() -> app::Step {
        for (const dict::LONG invoiceNo : marking ? laid_ : std::vector<dict::LONG>{}) {
            what = invoiceName(invoiceNo);
            INV.INVOICENO = invoiceNo;
            if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign) {
                if (Access::INVOICE.GetError() == dict::Err::RecordNotFound)
                    continue; // deleted since it printed
                return dict::Notify;
            }
            INV.PRINTED = "P";
            if (const app::Step step = Access::INVOICE.TryUpdate(); !step)
                return step;
        }
        for (const dict::LONG invoiceNo : tagged_ ? gone_ : std::vector<dict::LONG>{}) {
            what = "The tag of " + invoiceName(invoiceNo);
            if (fetchTag(invoiceNo) && Access::TAGFILE_.TryDeleteRecord() != dict::Benign)
                return dict::Notify;
        }
        what = "The printed marks";
        return dict::Benign;
    });
    if (booked == dict::Benign && tagged_)
        ST::pointerFile().ForgetCounts();
}

// The invoices printed leave the tag table; those left tagged were not printed.
void InvoiceDocuments::untagPrinted()
{
    std::string what = "The printed tags";
    const int booked = app::book({&Access::TAGFILE_}, what, [&]() -> app::Step {
        for (const dict::LONG invoiceNo : laid_) {
            what = "The tag of " + invoiceName(invoiceNo);
            if (fetchTag(invoiceNo) && Access::TAGFILE_.TryDeleteRecord() != dict::Benign)
                return dict::Notify;
        }
        what = "The printed tags";
        return dict::Benign;
    });
    if (booked == dict::Benign)
        ST::pointerFile().ForgetCounts();
}

// The package list, then labels. A run straight into a PDF asks nothing and opens no window.
void InvoiceDocuments::followUp()
{
    rpt::ReportOutput *output = Output();
    if (!output || print_.run.blank)
        return;
    if (print_.run.pickList && packable_) {
        if (tagged_) {
            INVOICESPICKLISTTAGGED().Run(output);
        } else {
            GLO.INVOICENO = print_.run.invoiceNo;
            INVOICESPICKLIST().Run(output);
        }
        Resume();
    }
    if (print_.run.startup == dict::StartUp::AddressLabels || print_.run.startup == dict::StartUp::ShippingLabels) {
        GLO.STARTUP = print_.run.startup;
        REPORTS::Errors().Throw(app::DocMsg::InsertLabels);
        app::runProcedure("PRN:CUSTOMERLABELS");
        Resume();
    }
}

INVOICES::INVOICES() : InvoiceDocuments(Name, Form::Invoice, false) {}
INVOICESTAGGED::INVOICESTAGGED() : InvoiceDocuments(Name, Form::Invoice, true) {}
INVOICESPICKLIST::INVOICESPICKLIST() : InvoiceDocuments(Name, Form::PackageList, false) {}
INVOICESPICKLISTTAGGED::INVOICESPICKLISTTAGGED() : InvoiceDocuments(Name, Form::PackageList, true) {}

} // namespace PRN
