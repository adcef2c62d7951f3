#include "app/reports/creditmemodocument.h"

#include "app/reports/documentform.h"
#include "app/reports/documentmessages.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "dictionary/unitofwork.h"
#include "framework/errorclass.h"
#include "framework/reportslib.h"
#include "reports/winroutines.h"

namespace PRN {

using namespace rpt;
using namespace form;

namespace {

// Customer #, date, number and salesman.
std::vector<NumberRow> memoNumbers(const InvoicePrint &p)
{
    return {{"Customer #:", [] { return CUS.CUSTOMERNO.str(); }},
            {"Date:", [&p] { return fw::formatValue(CRE.DATE, p.run.datePicture); }},
            {"CreditMemo #:", [] { return fw::formatValue(CRE.CREDITMEMONO, "@n06"); }},
            {"Salesman:", [] { return CRE.SALESMAN.str(); }, [&p] { return p.dataHidden() || CRE.SALESMAN.blank(); }}};
}

Columns memoColumns(const InvoicePrint &p)
{
    return Columns{{{"Stock #", Left, 1150, Align::Left, [] { return CRS.STOCKNO.str(); }},
                    {"It #", 1200, 350, Align::Right, [] { return std::to_string(CRS.ITEMNO); }},
                    {"Quantity", 1600, 750, Align::Right, [&p] { return quantityText(CRS.QUANTITY, p.run.quantity); }},
                    {"Description", 2450, 2500},
                    {"Price", 5000, 850, Align::Right, [&p] { return shown(CRS.PRICE, p.run.money); }},
                    {"Amount", 5950, 850, Align::Right, [&p] { return shown(CRS.AMOUNT, p.run.money); }},
                    {"Unit", 6900, 600, Align::Left, [] { return CRS.PACKAGESIZE.str(); }}},
                   Body,
                   Bold};
}

Layout memoLayout(const InvoicePrint &p, Band &totals)
{
    const DocumentForm b(p);
    std::vector<Item> header;
    b.companyBlock(header);
    header.push_back(b.caption({4000, 0, 3500, 420}, "CREDIT MEMO", Heading, Align::Right));
    b.numbers(header, memoNumbers(p));
    b.addressBoxes(header, "CREDIT TO", "RETURNED FROM");
    const Columns columns = memoColumns(p);
    b.captions(columns, header);
    totals = b.totalsBand([] { return CRE.TAXINFO.str(); });
    return Layout{.pageHeader = {HeaderHeight, std::move(header)},
                  .detail = {200, joined(columns.cells(10), {wrapped(columns.cell(3, 10, [] { return CRS.DESCRIPTION.str(); }, Body))})},
                  .pageFooter = b.footer(false)};
}

} // namespace

CREDITMEMO::CREDITMEMO() : SingleDocument(Name, {Relate::CREDIT, Access::CREDIT, CRE.CreditMemoNo_Key, dict::field(CRE.CREDITMEMONO),
                                                dict::field(CRE.PRINTED), [] { return dict::LONG{GLO.CREDITMEMONO}; },
                                                app::DocMsg::CreditMemoNotFound, "Credit memo"})
{
    layout_ = memoLayout(print_, totals_);
    ReadsFiles({&Access::CREDIT, &Access::CRSCRIPTION, &Access::CUSTOMER, &Access::SETUP});
}

// The memo, its lines and its customer as one consistent picture.
bool CREDITMEMO::readMemo(dict::LONG memoNo)
{
    dict::UnitOfWork unit{&Access::CREDIT, &Access::CRSCRIPTION, &Access::CUSTOMER};
    if (!unit.Active())
        return Access::CREDIT.Throw(dict::Msg::RetrievalError), false;
    CRE.CREDITMEMONO = memoNo;
    if (Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key) != dict::Benign) {
        unit.Rollback();
        return false;
    }
    memo_ = CRE;
    memoText_ = CRE.MEMOS.str();
    CUS.CUSTOMERNO = CRE.CUSTOMERNO;
    customer_ = Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) == dict::Benign ? dict::CUSTOMERRecord(CUS)
                                                                             : dict::CUSTOMERRecord{};
    lines_.clear();
    for (const auto &line : dict::range(CRS.CreditMemoNo_Key, memoNo))
        lines_.push_back(line);
    unit.Rollback();
    return true;
}

void CREDITMEMO::TakeRecord(ReportEngine &engine)
{
    if (!printing() || !readMemo(number()))
        return;
    engine.startDocument();
    static_cast<dict::CREDITRecord &>(CRE) = memo_;
    CRE.MEMOS = memoText_;
    static_cast<dict::CUSTOMERRecord &>(CUS) = customer_;
    GLO.WINROUTINE = WIN::CustomerAddress;
    WIN::ROUTINES();
    double subTotal = 0;
    for (const dict::CRSCRIPTIONRecord &line : lines_)
        subTotal = dict::roundCents(subTotal + line.AMOUNT);
    print_.haveDocument = true;
    print_.memo = memoText_;
    print_.totals = creditTotalsRows(memo_, subTotal, print_.run);
    for (const dict::CRSCRIPTIONRecord &line : lines_) {
        static_cast<dict::CRSCRIPTIONRecord &>(CRS) = line;
        engine.printDetail();
    }
    engine.printBand(totals_);
    laidOut();
}

} // namespace PRN
