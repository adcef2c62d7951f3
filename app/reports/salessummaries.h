// Sums of invoices over the dates asked (quotes left out): the daily, monthly and annual sales
// reports, the tax consolidations of total sales (each invoice's tax less its credit memos'), and
// the invoice listings with and without taxes. One line per invoice, per day or per month, with
// totals per day where lines are invoices, and over the report.
#pragma once

#include "dictionary/records.h"
#include "reports/reportprocedure.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace PRN {

// An invoice's figures as the summaries print them.
struct InvoiceFigures {
    double retail = 0, discount = 0, subTotal = 0, cost = 0, profit = 0, tax = 0, gst = 0, labor = 0, shipping = 0,
           cod = 0, total = 0, totalDiscount = 0, shippingTax = 0;
    static InvoiceFigures of(const dict::INVOICERecord &invoice);
    void add(const InvoiceFigures &other);
};

class InvoiceSummary : public rpt::ReportProcedure
{
public:
    enum class Period { Days, Month, Years };
    enum class Rows { Invoices, Days, Months, Salesmen };
    enum class Labels { Payment, Customer, Order }; // what follows date and number on an invoice's line
    // Money to the cent; the tax, named by the regime; GST, shown only beside PST; a tax amount of
    // its own name. Taxes show five decimals.
    enum class Shows { Money, Tax, Gst, FineTax };
    struct Figure {
        const char *caption;
        double InvoiceFigures::*value;
        Shows shows = Shows::Money;
    };
    struct Kind {
        Period period;
        Rows rows;
        std::vector<Figure> figures;
        const char *dayTotal = nullptr; // per day when the rows are invoices; nullptr: none
        const char *total = nullptr;    // over the report
        bool lessCredits = false;      // taxes less those of the invoice's credit memos
        bool (*keeps)(const dict::INVOICERecord &) = nullptr;
        bool monthInTitle = false;     // the title names the month of the starting date
        Labels labels = Labels::Payment;
        // Salesman reports: invoices by salesman, each salesman's lines closed by the caption.
        bool bySalesman = false;
        const char *salesmanTotal = nullptr;
        const char *footnote = "*After Discount if Applicable.";
    };
    InvoiceSummary(std::string_view name, const Kind &kind);

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;
    bool Pending() const override { return pending_; }

private:
    void buildLayout();
    bool inPeriod() const;
    void lessCredits(InvoiceFigures &figures);
    void flushRow(rpt::ReportEngine &engine);
    std::string rowKey() const;

    const Kind &kind_;
    std::vector<Figure> shown_; // the kind's figures the regime prints
    std::string rowLabel_, invoiceNo_, third_, order_;
    InvoiceFigures row_, day_, report_;
    std::string rowKey_, dayKey_, salesman_;
    InvoiceFigures salesmanSums_;
    bool inSalesman_ = false;
    bool pending_ = false;
    rpt::Band line_, dayTotal_, total_, salesmanHeader_, salesmanTotal_;
    void closeSalesman(rpt::ReportEngine &engine);
};

// Whether an invoice's date falls in the period of the dates asked.
bool invoiceInPeriod(InvoiceSummary::Period period, dict::LONG day);
// Takes back the tax and GST of every credit memo of the invoice (the CREDIT file open).
void subtractCredits(InvoiceFigures &figures, dict::LONG invoiceNo);
// "March 2026": the month of the day and its year.
std::string monthLabelOf(dict::LONG day);

TQ_REPORT_OF(InvoiceSummary, SALESDAILY)
TQ_REPORT_OF(InvoiceSummary, SALESMONTHLY)
TQ_REPORT_OF(InvoiceSummary, SALESANNUAL)
TQ_REPORT_OF(InvoiceSummary, TAXDAILYTOTALSALES)
TQ_REPORT_OF(InvoiceSummary, TAXMONTHLYTOTALSALES)
TQ_REPORT_OF(InvoiceSummary, TAXANNUALTOTALSALES)
TQ_REPORT_OF(InvoiceSummary, INVOICELISTINGWITHTAXES)
TQ_REPORT_OF(InvoiceSummary, INVOICELISTINGWITHOUTTAXES)
TQ_REPORT_OF(InvoiceSummary, SALESPERSONTOTALSDAILYWEEKLY)
TQ_REPORT_OF(InvoiceSummary, SALESPERSONTOTALSMONTHLY)
TQ_REPORT_OF(InvoiceSummary, SALESPERSONTOTALSANNUAL)

} // namespace PRN
