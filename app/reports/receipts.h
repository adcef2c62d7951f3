// What came in and went out over the dates asked, read from the finance history by date:
// PRN::DAILYRECEIPTS (each payment by how it was paid, money paid out on credit memos) and
// PRN::CONSOLIDATION (per date the sales, the receipts by kind and the credits).
#pragma once

#include <string_view>

#include "reports/reportprocedure.h"

#include <array>
#include <string>

namespace PRN {

class DAILYRECEIPTS : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:DAILYRECEIPTS";
    DAILYRECEIPTS();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;

private:
    using Amounts = std::array<double, 4>; // cash, checks, credit card or on account, cash out
    Amounts line_{}, day_{}, report_{};
    std::string name_;
    dict::LONG date_ = 0;
    rpt::Band dayTotal_, total_;
};

class CONSOLIDATION : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:CONSOLIDATION";
    CONSOLIDATION();

    // Sales, receipts and credits over a date or the whole range.
    struct Sums {
        std::array<double, 8> sales{}; // cost, price, subtotal, tax, GST, labour, shipping, COD
        std::array<double, 7> receipts{}; // cash, checks, on account, AMEX, Discover, MasterCard, Visa
        double credits = 0;
        bool any = false;
    };

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Finishing(rpt::ReportEngine &engine) override;
    bool Pending() const override { return day_.any; }

private:
    void addRecord(Sums &sums);

    Sums day_, report_;
    dict::LONG date_ = 0;
    rpt::Band dayBlock_, totalBlock_;
};

} // namespace PRN
