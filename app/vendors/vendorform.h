// Upd::Vendor: one vendor's name, account number, point of contact, address and memo. The balance
// is the vendor's finance history's, never typed here.
#pragma once

#include "framework/formprocedure.h"

namespace Upd {

class Vendor : public fw::FormProcedure
{
public:
    Vendor();

protected:
    fw::FormDeclaration Declare() override;
};

} // namespace Upd
