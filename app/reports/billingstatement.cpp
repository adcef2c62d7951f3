#include "app/reports/billingstatement.h"

#include "app/reports/addressblocks.h"
#include "app/reports/companyheader.h"
#include "app/reports/reportformats.h"
#include "app/reports/taggedcustomers.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"
#include "framework/picture.h"
#include "reports/winroutines.h"

#include <algorithm>

namespace PRN {

using namespace rpt;

namespace {

std::string numberOrBlank(dict::LONG number) { return number == 0 ? std::string() : fw::formatValue(number, "@n06"); }

struct Column {
    const char *caption;
    int x;
    int width;
    bool right;
};
constexpr Column Columns[] = {{"Date", 500, 850, false},          {"Invoice #", 1400, 750, false},
                              {"Payment", 2200, 850, false},      {"Invoice Total", 3050, 1000, true},
                              {"Paid", 4100, 850, true},          {"Due", 5000, 800, true},
                              {"Credit Memo #", 6000, 950, false}, {"Balance", 7000, 1000, true}};

Item at(int column, TextSource value)
{
    const Column &c = Columns[column];
    return computed({c.x, 10, c.width, 180}, std::move(value), Body, c.right ? Align::Right : Align::Left);
}

} // namespace

CUSTOMERBILLING::CUSTOMERBILLING() : ReportProcedure({"PRN:CUSTOMERBILLING", "Billing Statement", true, true})
{
    ReadsFiles({&Access::CUSTOMER, &Access::FINANCE, &Access::SETUP, &Access::TAGFILEPOS_});
    std::vector<Item> header{text({500, 0, 7500, 300}, "Billing Statement", Title, Align::Center),
                             text({2500, 360, 1400, 180}, "Billing Cycle:", Bold, Align::Right),
                             computed({4000, 360, 3000, 180}, [] { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); }),
                             text({500, 660, 800, 180}, "FROM:", Bold), text({4400, 660, 600, 180}, "TO:", Bold)};
    for (int i = 0; i < 6; ++i) {
        header.push_back(computed({1300, 660 + i * 170, 2900, 170}, [this, i] {
            return std::size_t(i) < from_.size() ? from_[std::size_t(i)] : std::string();
        }));
        header.push_back(computed({5000, 660 + i * 170, 3000, 170}, [i] { return blockLine(BillTo, i); }));
    }
    header.push_back(text({500, 1760, 1100, 180}, "Customer #:", Bold));
    header.push_back(field({1600, 1760, 1500, 180}, dict::field(CUS.CUSTOMERNO)));
    header.push_back(text({3600, 1760, 2100, 180}, "Make Checks payable to:", Bold, Align::Right));
    header.push_back(computed({5800, 1760, 2200, 180}, [this] { return from_.empty() ? std::string() : from_.front(); }));
    for (const Column &c : Columns)
        header.push_back(text({c.x, 2060, c.width, 180}, c.caption, Bold, c.right ? Align::Right : Align::Left));
    header.push_back(line({500, 2280, 7500, 0}));
    layout_ = Layout{.name = "Billing Statement",
                     .pageHeader = {2340, std::move(header)},
                     .pageFooter = {250, {line({500, 0, 7500, 0}), pageNofM({500, 40, 7500, 180}, Small, Align::Right)}}};

    previousLine_ = Band{220, {text({4100, 20, 1750, 180}, "Previous Balance:", Bold, Align::Right),
                               computed({7000, 20, 1000, 180}, [this] { return totals(previous_); }, Bold, Align::Right)}};
    line_ = Band{200,
                 {at(0, [] { return dateText(FIN.DATE); }), at(1, [] { return numberOrBlank(FIN.INVOICENO); }),
                  at(2, [] { return FIN.TERMS.str(); }), at(3, [] { return money(FIN.INVOICETOTAL); }),
                  at(4, [] { return money(FIN.AMOUNTPAID); }), at(5, [] { return money(FIN.AMOUNTDUE); }),
                  at(6, [] { return numberOrBlank(FIN.CREDITMEMONO); }), at(7, [this] { return totals(balance_); })}};
    closing_ = Band{320, {line({7000, 30, 1000, 0}),
                          computed({4100, 80, 2800, 200}, [this] { return balance_ < 0 ? "Credit:" : "Balance Due:"; }, Bold,
                                   Align::Right),
                          computed({7000, 80, 1000, 200}, [this] { return totals(balance_); }, Bold, Align::Right)}};
}

int CUSTOMERBILLING::OpenFiles()
{
    if (const int level = ReportProcedure::OpenFiles(); level != dict::Benign)
        return level;
    from_.clear();
    SET.RECORDNO = 1;
    if (Access::SETUP.TryFetch(SET.RecordNo_Key) == dict::Benign)
        from_ = returnAddress(SET, GLO.CANADIAN);
    return dict::Benign;
}

void CUSTOMERBILLING::SetView(fw::ViewManager &view)
{
    viewTaggedCustomers(view, tagRange_);
}

// The customer's finance records by invoice number, then date.
std::vector<dict::FINANCERecord> CUSTOMERBILLING::recordsOf(const dict::String<10> &customer)
{
    std::vector<dict::FINANCERecord> records;
    for (const auto &record : dict::range(FIN.CustomerNo_Key, customer))
        records.push_back(record);
    std::stable_sort(records.begin(), records.end(), [](const dict::FINANCERecord &a, const dict::FINANCERecord &b) {
        return a.INVOICENO != b.INVOICENO ? a.INVOICENO < b.INVOICENO : a.DATE < b.DATE;
    });
    return records;
}

// One customer's statement. Records after the period are left for the next statement: they are
// neither printed nor counted in what is due now.
void CUSTOMERBILLING::TakeRecord(ReportEngine &engine)
{
    if (!fetchTaggedCustomer())
        return; // deleted since it was tagged
    const std::vector<dict::FINANCERecord> records = recordsOf(CUS.CUSTOMERNO);
    if (records.empty())
        return;
    previous_ = 0;
    std::vector<dict::FINANCERecord> period;
    for (const dict::FINANCERecord &record : records) {
        if (record.DATE < GLO.STARTDATE)
            previous_ = dict::roundCents(previous_ + record.AMOUNTDUE);
        else if (record.DATE <= GLO.ENDDATE)
            period.push_back(record);
    }
    engine.startDocument();
    GLO.WINROUTINE = WIN::CustomerAddress;
    WIN::ROUTINES();
    balance_ = previous_;
    if (previous_ != 0)
        engine.printBand(previousLine_);
    for (const dict::FINANCERecord &record : period) {
        static_cast<dict::FINANCERecord &>(FIN) = record;
        balance_ = dict::roundCents(balance_ + record.AMOUNTDUE);
        engine.printBand(line_);
    }
    engine.printBand(closing_);
}

} // namespace PRN
