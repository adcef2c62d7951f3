// What an invoice document prints besides the stored fields: the run's settings copied when the
// run starts, the company block, and per document the printed description and price of a line
// and the totals block. The invoice and package-list layouts read it; nothing here writes a file.
#pragma once

#include "app/reports/companyheader.h"
#include "dictionary/records.h"

#include <array>
#include <string>
#include <vector>

namespace PRN {

// The hand-over globals of one run, copied when it starts: another window may change them while
// the run goes on, and the document marked printed must be the one printed.
struct InvoiceRun {
    dict::LONG invoiceNo = 0;
    bool stationery = false; // pre-printed forms: data only
    bool shipTo = true;      // the SHIP TO block is printed
    bool pickList = false;   // a package list follows an invoice
    dict::BYTE startup = 0;  // labels afterwards (1, 2), blank form (5)
    bool blank = false;
    dict::BYTE regime = 0;
    std::string datePicture, money, totals, quantity, percent;
    std::string labelLine;

    static InvoiceRun fromGlobals();
};

// A line's description as printed: with its expected delivery date when it has one.
std::string printedDescription(const dict::DESCRIPTIONRecord &line);
// A line's price as printed: less its own discount.
double printedPrice(const dict::DESCRIPTIONRecord &line);

// One row of the totals block: a caption and its value, already formatted.
struct TotalsRow {
    std::string caption;
    std::string value;
    bool bold = false;
};
// The rows the invoice shows, top to bottom; subTotal is the sum of its printed line amounts.
std::vector<TotalsRow> totalsRows(const dict::INVOICERecord &invoice, double subTotal, const InvoiceRun &run);

// The rows a credit memo shows: its own figures and rates, the credit last.
std::vector<TotalsRow> creditTotalsRows(const dict::CREDITRecord &memo, double subTotal, const InvoiceRun &run);

// A number through a picture with the padding dropped, as the layout aligns it itself.
std::string shown(double value, const std::string &picture);

// Everything the layouts read for the document being printed.
struct InvoicePrint {
    InvoiceRun run;
    std::array<std::string, 7> company{};
    std::string logo;  // the logo picture's file; empty: the title prints instead
    int logoFrame = 1; // 1 small, 2 medium, 3 large
    bool haveDocument = false; // an invoice was read: a run that read none prints the form alone
    bool quote = false;
    std::vector<TotalsRow> totals;
    std::string memo;
    static constexpr int TotalsSlots = 11;

    // The parts of the form that stationery already has printed, and the data a blank form omits.
    bool formHidden() const { return run.stationery; }
    bool dataHidden() const { return run.blank || !haveDocument; }
};

} // namespace PRN
