// The customer listings (PRN:CUSTOMEREMAILLISTING and its sister listings by name, state, phone
// and postal code).
#pragma once

#include "dictionary/fieldpairs.h"
#include "reports/reportprocedure.h"

#include <string>
#include <string_view>

namespace PRN {

// One line per customer by e-mail address: address, number, company or name, phone.
class CUSTOMEREMAILLISTING : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:CUSTOMEREMAILLISTING";
    CUSTOMEREMAILLISTING();

protected:
    void SetView(fw::ViewManager &view) override;
};

// The listings of one block per customer: bill-to and ship-to addresses, number, phone, e-mail
// and memo, in the order of a key; some show the field they are ordered by beside the number.
class CustomerBlockListing : public rpt::ReportProcedure
{
public:
    struct Kind {
        dict::KeyRef key;
        std::string_view orderCaption{}; // "State", "Postal Code"; empty: none
        std::string (*orderValue)() = nullptr;
    };
    CustomerBlockListing(std::string_view name, const Kind &kind);

protected:
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    const Kind &kind_;
};

TQ_REPORT_OF(CustomerBlockListing, CUSTOMERNAMELISTING)
TQ_REPORT_OF(CustomerBlockListing, CUSTOMERSTATE)
TQ_REPORT_OF(CustomerBlockListing, CUSTOMERTELEPHONELISTING)
TQ_REPORT_OF(CustomerBlockListing, CUSTOMERZIPCODELISTING)

} // namespace PRN
