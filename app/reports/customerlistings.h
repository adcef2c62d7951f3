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
    CUSTOMEREMAILLISTING();

protected:
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override;
};

// The listings of one block per customer: bill-to and ship-to addresses, number, phone, e-mail
// and memo, in the order of a key; some show the field they are ordered by beside the number.
class CustomerBlockListing : public rpt::ReportProcedure
{
public:
    struct Kind {
        std::string_view name;
        std::string_view title;
        dict::KeyRef key;
        std::string_view orderCaption; // "State", "Postal Code"; empty: none
        std::string (*orderValue)();
    };
    explicit CustomerBlockListing(const Kind &kind);

protected:
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override { return layout_; }
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    const Kind &kind_;
    rpt::Layout layout_;
};

class CUSTOMERNAMELISTING : public CustomerBlockListing
{
public:
    CUSTOMERNAMELISTING();
};

class CUSTOMERSTATE : public CustomerBlockListing
{
public:
    CUSTOMERSTATE();
};

class CUSTOMERTELEPHONELISTING : public CustomerBlockListing
{
public:
    CUSTOMERTELEPHONELISTING();
};

class CUSTOMERZIPCODELISTING : public CustomerBlockListing
{
public:
    CUSTOMERZIPCODELISTING();
};

} // namespace PRN
