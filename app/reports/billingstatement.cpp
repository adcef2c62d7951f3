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
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"
#include "reports/winroutines.h"

#include <algorithm>

namespace PRN {

using namespace rpt;

namespace {

std::string numberOrBlank(dict::LONG number) { return number == 0 ? std::string() : fw::formatValue(number, "@n06"); }

} // namespace

CUSTOMERBILLING::CUSTOMERBILLING() : OverTaggedCustomers(Name)
{
    const Columns columns{{{"Date", 0, 850, Align::Left, [] { return dateText(FIN.DATE); }},
                           {"Invoice #", 900, 750, Align::Left, [] { return numberOrBlank(FIN.INVOICENO); }},
                           {"Payment", 1700, 850, Align::Left, [] { return FIN.TERMS.str(); }},
                           {"Invoice Total", 2550, 1000, Align::Right, [] { return money(FIN.INVOICETOTAL); }},
                           {"Paid", 3600, 850, Align::Right, [] { return money(FIN.AMOUNTPAID); }},
                           {"Due", 4500, 800, Align::Right, [] { return money(FIN.AMOUNTDUE); }},
                           {"Credit Memo #", 5350, 1100, Align::Left, [] { return numberOrBlank(FIN.CREDITMEMONO); }},
                           {"Balance", 6500, 1000, Align::Right, [this] { return totals(balance_); }}},
                          Body,
                          Bold};
    ReadsFiles({&Access::CUSTOMER, &Access::FINANCE, &Access::SETUP, &Access::TAGFILEPOS_});
    std::vector<Item> header{titleLine(),
                             text({2000, 360, 1400, 180}, "Billing Cycle:", Bold, Align::Right),
                             computed({3500, 360, 3000, 180}, [] { return dateText(GLO.STARTDATE) + " - " + dateText(GLO.ENDDATE); }),
                             text({0, 660, 800, 180}, "FROM:", Bold), text({3900, 660, 600, 180}, "TO:", Bold)};
    for (int i = 0; i < 6; ++i) {
        header.push_back(computed({800, 660 + i * 170, 2900, 170}, [this, i] {
            return std::size_t(i) < from_.size() ? from_[std::size_t(i)] : std::string();
        }));
        header.push_back(computed({4500, 660 + i * 170, 3000, 170}, [i] { return blockLine(BillTo, i); }));
    }
    header.push_back(text({0, 1760, 1100, 180}, "Customer #:", Bold));
    header.push_back(field({1100, 1760, 1500, 180}, dict::field(CUS.CUSTOMERNO)));
    header.push_back(text({3100, 1760, 2100, 180}, "Make Checks payable to:", Bold, Align::Right));
    header.push_back(computed({5300, 1760, 2200, 180}, [this] { return from_.empty() ? std::string() : from_.front(); }));
    header.push_back(ruleAcross(2280));
    layout_ = Layout{.pageHeader = {2340, joined(std::move(header), columns.captions(2060))},
                     .pageFooter = pageFooter()};

    previousLine_ = Band{220, {text({3600, 20, 1750, 180}, "Previous Balance:", Bold, Align::Right),
                               columns.cell(7, 20, [this] { return totals(previous_); })}};
    line_ = Band{200, columns.cells(10)};
    const Item balance = columns.cell(7, 80, [this] { return totals(balance_); });
    balanceDue_ = Band{320, {columns.ruleOver(7, 7, 30, 10),
                          computed({3600, 80, 2800, 200}, [this] { return balance_ < 0 ? "Credit:" : "Balance Due:"; }, Bold,
                                   Align::Right),
                          balance}};
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
void CUSTOMERBILLING::TakeCustomer(ReportEngine &engine)
{
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
    engine.printBand(balanceDue_);
}

} // namespace PRN
