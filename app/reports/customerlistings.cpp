#include "app/reports/customerlistings.h"

#include "app/reports/addressblocks.h"
#include "app/reports/reportformats.h"
#include "reports/pagechrome.h"
#include "reports/reportcolumns.h"
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


const Columns EmailColumns{{{"EMAIL Address", 0, 2900, Align::Left, [] { return CUS.EMAILADDRESS.str(); }},
                            {"Customer #", 2950, 1100, Align::Left, [] { return CUS.CUSTOMERNO.str(); }},
                            {"Company/Name", 4100, 2200, Align::Left, companyOrName},
                            {"Phone #", 6350, 1150, Align::Left, [] { return CUS.PHONENO.str(); }}},
                           Body,
                           Bold};

} // namespace

CUSTOMEREMAILLISTING::CUSTOMEREMAILLISTING() : ReportProcedure(Name)
{
    ReadsFiles({&Access::CUSTOMER});
    layout_ = Layout{
        .pageHeader = {750, joined({titleLine(), runDateLine(), ruleAcross(720)}, EmailColumns.captions(520))},
        .detail = {210, EmailColumns.cells(10)},
        .pageFooter = pageFooter(),
    };
}

void CUSTOMEREMAILLISTING::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(CUS.EmailAddress_Key);
}


namespace {

Layout blockListing(const CustomerBlockListing::Kind &kind)
{
    std::vector<Item> header{titleLine(), runDateLine(), ruleAcross(540)};
    std::vector<Item> block{text({0, 40, 1100, 170}, "Customer #:", Bold),
                            field({1100, 40, 1300, 170}, dict::field(CUS.CUSTOMERNO)),
                            text({2500, 40, 800, 170}, "Phone #:", Bold),
                            field({3300, 40, 1500, 170}, dict::field(CUS.PHONENO)),
                            text({4900, 40, 700, 170}, "EMAIL:", Bold),
                            field({5600, 40, 1900, 170}, dict::field(CUS.EMAILADDRESS))};
    if (!kind.orderCaption.empty()) { // the field the listing is ordered by, on a line of its own
        block.push_back(text({0, 230, 1100, 170}, std::string(kind.orderCaption) + ":", Bold));
        block.push_back(computed({1100, 230, 2500, 170}, kind.orderValue));
    }
    const int top = kind.orderCaption.empty() ? 260 : 450;
    for (int i = 0; i < 6; ++i) {
        block.push_back(computed({200, top + i * 160, 3400, 160}, [i] { return blockLine(BillTo, i); }));
        block.push_back(computed({3900, top + i * 160, 3600, 160}, [i] { return blockLine(ShipTo, i); }));
    }
    const int memo = top + 6 * 160 + 20;
    block.push_back(text({0, memo, 700, 170}, "Memo:", Bold));
    block.push_back(wrapped(field({700, memo, 6800, 170}, dict::field(CUS.COMMENTS))));
    block.push_back(line({0, memo + 230, 7500, 0}, 5));
    return Layout{.pageHeader = {620, std::move(header)},
                  .detail = {memo + 260, std::move(block)},
                  .pageFooter = pageFooter()};
}

std::string stateOf() { return CUS.STATE.str(); }
std::string postalCodeOf() { return CUS.ZIPCODE.str(); }

const CustomerBlockListing::Kind ByName{.key = CUS.CustomerName_Key};
const CustomerBlockListing::Kind ByState{.key = CUS.CityState_Key, .orderCaption = "State", .orderValue = stateOf};
const CustomerBlockListing::Kind ByPhone{.key = CUS.Phone_Key};
const CustomerBlockListing::Kind ByPostalCode{.key = CUS.ZipCode_Key, .orderCaption = "Postal Code", .orderValue = postalCodeOf};

} // namespace

CustomerBlockListing::CustomerBlockListing(std::string_view name, const Kind &kind) : ReportProcedure(name), kind_(kind)
{
    layout_ = blockListing(kind);
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

CUSTOMERNAMELISTING::CUSTOMERNAMELISTING() : CustomerBlockListing(Name, ByName) {}
CUSTOMERSTATE::CUSTOMERSTATE() : CustomerBlockListing(Name, ByState) {}
CUSTOMERTELEPHONELISTING::CUSTOMERTELEPHONELISTING() : CustomerBlockListing(Name, ByPhone) {}
CUSTOMERZIPCODELISTING::CUSTOMERZIPCODELISTING() : CustomerBlockListing(Name, ByPostalCode) {}

} // namespace PRN
