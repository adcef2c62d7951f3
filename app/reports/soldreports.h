// What was sold and received over the dates asked. The sold reports read invoice lines (quotes
// left out) at their net amount — the line less its discount — one line per sale or summed per
// stock number; the received listing reads the stock receipts with their item's cost.
#pragma once

#include "dictionary/decimal.h"
#include "dictionary/records.h"
#include "app/reports/taggedcustomers.h"
#include "reports/reportprocedure.h"

#include <map>
#include <string>
#include <string_view>

namespace PRN {

class SoldConsolidation : public rpt::ReportProcedure
{
public:
    struct Kind {
        dict::KeyRef key;
        bool summed = false;             // one line per stock number within the group, else per sale
        std::string (*group)() = nullptr; // the value grouped by; nullptr: none
        std::string_view groupCaption{};  // before the group's value
        std::string_view groupTotal{};    // the group's closing caption
        bool bestSellers = false;         // the sale's customer on its line
    };
    SoldConsolidation(std::string_view name, const Kind &kind);

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;
    bool Pending() const override { return !summed_.empty(); }
    // The line in DES, counted when it was sold in the range.
    void takeSale(rpt::ReportEngine &engine);
    // The group of the line in DES; by default the kind's.
    virtual std::string groupOf();

private:
    // Quantities and amounts are summed exactly; an amount is its line's net, to the cent.
    struct Sums {
        dict::Decimal quantity;
        dict::Decimal amount;
        void add(const Sums &line);
    };
    struct Line : Sums {
        std::string stockNo, description, date, customerNo, name;
    };
    struct Invoice {
        bool sold = true; // no quote, nor an invoice still being entered
        bool customerDiscount = false; // its lines' amounts are gross, their discounts apart
    };
    // The line in DES counts: a stock line (no labour), dated in the range, on an invoice that is
    // no quote and is not being entered.
    bool sold();
    void printLine(rpt::ReportEngine &engine, const Line &line);
    void closeGroup(rpt::ReportEngine &engine);

    const Kind &kind_;
    std::map<dict::LONG, Invoice> invoices_; // by number, read once
    std::map<std::string, Line> summed_;     // the group's lines by stock number, when summed
    bool inGroup_ = false;
    std::string groupValue_;
    Line line_;
    Sums group_;
    Sums report_;
    rpt::Band groupHeader_, detail_, groupFooter_;
};

TQ_REPORT_OF(SoldConsolidation, INVENTORYCONSOLIDATIONINDIVIDUALDATES)
TQ_REPORT_OF(SoldConsolidation, INVENTORYCONSOLIDATIONSTOCKNO)
TQ_REPORT_OF(SoldConsolidation, INVENTORYCONSOLIDATIONANNUALLY)
TQ_REPORT_OF(SoldConsolidation, INVENTORYCONSOLIDATIONQUANTITY)

// What the customers tagged in position-tag table 1 bought, per stock number.
class INVENTORYCONSOLIDATIONCUSTOMER : public OverTaggedCustomers<SoldConsolidation>
{
public:
    static constexpr std::string_view Name = "PRN:INVENTORYCONSOLIDATIONCUSTOMER";
    INVENTORYCONSOLIDATIONCUSTOMER();

protected:
    void TakeCustomer(rpt::ReportEngine &engine) override;
    std::string groupOf() override { return buyer_; }

private:
    dict::TAGFILEPOS_Buffer tagRange_{};
    std::string buyer_;
};

// The stock received in the range, by stock number, at the items' cost.
class INVENTORYRECEIVEDLISTING : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:INVENTORYRECEIVEDLISTING";
    INVENTORYRECEIVEDLISTING();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    void fetchReceivedItem();
    double totalCost_ = 0;
};

} // namespace PRN
