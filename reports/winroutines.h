// WIN::ROUTINES(): the formatting routines shared by the reports and forms. The caller picks one
// with GLO.WINROUTINE and calls ROUTINES(), which performs it on the current record buffers and
// sets GLO.WINROUTINE back to 0:
//
//   GLO.WINROUTINE = WIN::MoneyPictures;
//   WIN::ROUTINES();
#pragma once

#include "dictionary/fieldtypes.h"

namespace WIN {

enum Routine : dict::BYTE {
    CustomerAddress = 0, // bill-to and ship-to blocks of CUS (also any number not listed here)
    MoneyPictures = 1,   // GLO.CURRENCYNAME..CURRENCYNAME7 for SET.CURRENCYTYPE
    MonthName = 3,       // GLO.MONTHNAME of INV.MONTH
    SetupSettings = 4,   // the settings globals from the SETUP buffer
    VendorAddress = 5,   // address block of VEN
};

void ROUTINES();

} // namespace WIN
