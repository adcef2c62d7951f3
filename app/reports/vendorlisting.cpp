#include "app/reports/vendorlisting.h"

#include "app/reports/reportformats.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "reports/pagechrome.h"

#include <string>
#include <vector>

namespace PRN {

using namespace rpt;

namespace {

// The vendor's name and address lines, the empty ones left out.
std::string vendorLine(int n)
{
    const std::string lines[] = {VEN.VENDOR.str(), VEN.ADDRESS.str(), VEN.ADDRESS2.str(), VEN.ADDRESS3.str(),
                                 VEN.CITY.str() + (VEN.STATE.blank() ? "" : ", " + VEN.STATE.str()) + "  " + VEN.ZIPCODE.str() +
                                     (VEN.COUNTRY.blank() ? "" : " " + VEN.COUNTRY.str())};
    int seen = 0;
    for (const std::string &line : lines)
        if (line.find_first_not_of(' ') != std::string::npos && seen++ == n)
            return line;
    return {};
}

std::string contact()
{
    std::string name = VEN.FNAME.str();
    if (!name.empty() && !VEN.LNAME.blank())
        name += ' ';
    return name + VEN.LNAME.str();
}

std::string phoneAndFax()
{
    return VEN.FAXNO.blank() ? VEN.PHONENO.str() : VEN.PHONENO.str() + " / " + VEN.FAXNO.str();
}

} // namespace

VENDORNAME::VENDORNAME() : ReportProcedure(Name)
{
    ReadsFiles({&Access::VENDOR});
    std::vector<Item> block{text({0, 40, 1000, 170}, "Account #", Bold), field({1000, 40, 1500, 170}, dict::field(VEN.ACCOUNTNO)),
                            text({2600, 40, 600, 170}, "POC", Bold), computed({3200, 40, 2000, 170}, contact),
                            text({5300, 40, 900, 170}, "Phone/Fax", Bold), computed({6200, 40, 1300, 170}, phoneAndFax),
                            text({0, 230, 1000, 170}, "Vendor", Bold), text({5300, 230, 900, 170}, "EMAIL:", Bold),
                            field({6200, 230, 1300, 170}, dict::field(VEN.EMAILADDRESS))};
    for (int i = 0; i < 5; ++i)
        block.push_back(computed({1000, 230 + i * 165, 4200, 165}, [i] { return vendorLine(i); }));
    block.push_back(text({0, 1110, 1000, 170}, "Memo:", Bold));
    block.push_back(wrapped(field({1000, 1110, 6500, 170}, dict::field(VEN.COMMENTS))));
    block.push_back(ruleAcross(1330, PageWidth, 5));
    layout_ = Layout{.pageHeader = {620, {titleLine(), runDateLine(), ruleAcross(560)}},
                     .detail = {1360, std::move(block)},
                     .pageFooter = pageFooter()};
}

void VENDORNAME::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::VENDOR);
    view.AddSortOrder(VEN.Vendor_Key);
}

} // namespace PRN
