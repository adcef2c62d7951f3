#include "app/reports/customerlistings.h"

#include "app/reports/addressblocks.h"
#include "app/reports/reportformats.h"
#include "reports/winroutines.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/picture.h"

#include <string>

namespace PRN {

using namespace rpt;

namespace {

// The company, or the customer's name when there is none.
std::string companyOrName()
{
    if (!CUS.COMPANY.blank())
        return CUS.COMPANY.str();
    std::string name = CUS.FNAME.str();
    if (!name.empty() && !CUS.LNAME.blank())
        name += ' ';
    return name + CUS.LNAME.str();
}


const Layout EmailListing{
    .name = "Customer Listing - Email Address",
    .pageHeader = {750,
                   {text({500, 0, 7500, 280}, "Customer Listing - Email Address", Title, Align::Center),
                    computed({500, 320, 3000, 180}, runDate, Small),
                    text({500, 520, 2900, 180}, "EMAIL Address", Bold), text({3450, 520, 1100, 180}, "Customer #", Bold),
                    text({4600, 520, 2200, 180}, "Company/Name", Bold), text({6850, 520, 1150, 180}, "Phone #", Bold),
                    line({500, 720, 7500, 0})}},
    .detail = {210,
               {field({500, 10, 2900, 180}, dict::field(CUS.EMAILADDRESS)), field({3450, 10, 1100, 180}, dict::field(CUS.CUSTOMERNO)),
                computed({4600, 10, 2200, 180}, companyOrName), field({6850, 10, 1150, 180}, dict::field(CUS.PHONENO))}},
    .pageFooter = {250, {line({500, 0, 7500, 0}), pageNofM({500, 40, 7500, 180}, Small, Align::Right)}},
};

} // namespace

CUSTOMEREMAILLISTING::CUSTOMEREMAILLISTING()
    : ReportProcedure({"PRN:CUSTOMEREMAILLISTING", "Customer Listing - Email Address"})
{
    ReadsFiles({&Access::CUSTOMER});
}

void CUSTOMEREMAILLISTING::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(CUS.EmailAddress_Key);
}

const Layout &CUSTOMEREMAILLISTING::ReportLayout() const { return EmailListing; }

namespace {

Layout blockListing(const CustomerBlockListing::Kind &kind)
{
    std::vector<Item> header{text({500, 0, 7500, 280}, std::string(kind.title), Title, Align::Center),
                             computed({500, 320, 3000, 180}, runDate, Small), line({500, 540, 7500, 0})};
    std::vector<Item> block{text({500, 40, 1100, 170}, "Customer #:", Bold),
                            field({1600, 40, 1300, 170}, dict::field(CUS.CUSTOMERNO)),
                            text({3000, 40, 800, 170}, "Phone #:", Bold),
                            field({3800, 40, 1500, 170}, dict::field(CUS.PHONENO)),
                            text({5400, 40, 700, 170}, "EMAIL:", Bold),
                            field({6100, 40, 1900, 170}, dict::field(CUS.EMAILADDRESS))};
    if (!kind.orderCaption.empty()) { // the field the listing is ordered by, on a line of its own
        block.push_back(text({500, 230, 1100, 170}, std::string(kind.orderCaption) + ":", Bold));
        block.push_back(computed({1600, 230, 2500, 170}, kind.orderValue));
    }
    const int top = kind.orderCaption.empty() ? 260 : 450;
    for (int i = 0; i < 6; ++i) {
        block.push_back(computed({700, top + i * 160, 3400, 160}, [i] { return blockLine(BillTo, i); }));
        block.push_back(computed({4400, top + i * 160, 3600, 160}, [i] { return blockLine(ShipTo, i); }));
    }
    const int memo = top + 6 * 160 + 20;
    block.push_back(text({500, memo, 700, 170}, "Memo:", Bold));
    block.push_back(wrapped(field({1200, memo, 6800, 170}, dict::field(CUS.COMMENTS))));
    block.push_back(line({500, memo + 230, 7500, 0}, 5));
    return Layout{.name = std::string(kind.title),
                  .pageHeader = {620, std::move(header)},
                  .detail = {memo + 260, std::move(block)},
                  .pageFooter = {250, {line({500, 0, 7500, 0}), pageNofM({500, 40, 7500, 180}, Small, Align::Right)}}};
}

std::string stateOf() { return CUS.STATE.str(); }
std::string postalCodeOf() { return CUS.ZIPCODE.str(); }

const CustomerBlockListing::Kind ByName{"PRN:CUSTOMERNAMELISTING", "Customer Listing - Last Name", CUS.CustomerName_Key, {}, nullptr};
const CustomerBlockListing::Kind ByState{"PRN:CUSTOMERSTATE", "Customer Listing (By State)", CUS.CityState_Key, "State", stateOf};
const CustomerBlockListing::Kind ByPhone{"PRN:CUSTOMERTELEPHONELISTING", "Customer Listing - Telephone #", CUS.Phone_Key, {}, nullptr};
const CustomerBlockListing::Kind ByPostalCode{"PRN:CUSTOMERZIPCODELISTING", "Customer Listing - Postal Code", CUS.ZipCode_Key,
                                              "Postal Code", postalCodeOf};

} // namespace

CustomerBlockListing::CustomerBlockListing(const Kind &kind)
    : ReportProcedure({kind.name, kind.title}), kind_(kind), layout_(blockListing(kind))
{
    ReadsFiles({&Access::CUSTOMER});
}

void CustomerBlockListing::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(kind_.key);
}

void CustomerBlockListing::TakeRecord(ReportEngine &engine)
{
    GLO.WINROUTINE = WIN::CustomerAddress;
    WIN::ROUTINES();
    engine.printDetail();
}

CUSTOMERNAMELISTING::CUSTOMERNAMELISTING() : CustomerBlockListing(ByName) {}
CUSTOMERSTATE::CUSTOMERSTATE() : CustomerBlockListing(ByState) {}
CUSTOMERTELEPHONELISTING::CUSTOMERTELEPHONELISTING() : CustomerBlockListing(ByPhone) {}
CUSTOMERZIPCODELISTING::CUSTOMERZIPCODELISTING() : CustomerBlockListing(ByPostalCode) {}

} // namespace PRN
