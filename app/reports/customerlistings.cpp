#include "app/reports/customerlistings.h"

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

std::string runDate() { return "Run Date: " + fw::formatValue(fw::today(), GLO.DATENAME.blank() ? "@d2" : GLO.DATENAME.str()); }

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
}

int CUSTOMEREMAILLISTING::OpenFiles() { return Relate::CUSTOMER.Open(); }

void CUSTOMEREMAILLISTING::CloseFiles() { Relate::CUSTOMER.Close(); }

void CUSTOMEREMAILLISTING::SetView(fw::ViewManager &view)
{
    view.Init(&Relate::CUSTOMER);
    view.AddSortOrder(CUS.EmailAddress_Key);
}

const Layout &CUSTOMEREMAILLISTING::ReportLayout() const { return EmailListing; }

} // namespace PRN
