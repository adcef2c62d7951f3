// The printed address blocks that the customer address routine fills in, line by line with the
// empty lines left out, so a block prints without gaps whatever it lacks.
#pragma once

#include "dictionary/globals.h"

#include <string>

namespace PRN {

using AddressBlock = const dict::String<40> *const[6];

inline AddressBlock BillTo = {&GLO.CUSTOMERCOMPANY,   &GLO.CUSTOMERNAME,     &GLO.CUSTOMERADDRESS,
                              &GLO.CUSTOMERADDRESS2, &GLO.CUSTOMERADDRESS3, &GLO.CUSTOMERCITYSTATEANDZIP};
inline AddressBlock ShipTo = {&GLO.CUSTOMERCOMPANY_2, &GLO.CUSTOMERNAME_2,    &GLO.SHIPPINGADDRESS,
                              &GLO.SHIPPINGADDRESS2,  &GLO.SHIPPINGADDRESS3, &GLO.SHIPPINGCITYSTATEANDZIP};

inline AddressBlock VendorBlock = {&GLO.VENDORNAME,     &GLO.VENDORPOCNAME,    &GLO.VENDORADDRESS,
                                   &GLO.VENDORADDRESS2, &GLO.VENDORADDRESS3, &GLO.VENDORCITYSTATEANDZIP};

// The n-th line of the block that is not blank; empty past the last.
inline std::string blockLine(AddressBlock &block, int n)
{
    int seen = 0;
    for (const dict::String<40> *line : block)
        if (!line->blank() && seen++ == n)
            return line->str();
    return {};
}

} // namespace PRN
