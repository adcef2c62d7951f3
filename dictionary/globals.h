// The library's global variables: settings mirrored from the SETUP record, display pictures and
// address lines built by WIN::ROUTINES(), and the values procedures hand to the ones they start.
//
// Naming: the system's GLO:NAME is the member GLO.NAME of the one instance GLO. A name that is not
// a C++ identifier has each ':' written as '_', so GLO:CUSTOMERNAME:2 is GLO.CUSTOMERNAME_2 and
// GLO:CUSTOMERCOMPANY:2 is GLO.CUSTOMERCOMPANY_2. Names are upper case, as the system writes them.
//
// Every global starts as zero or blanks when the library loads. They are shared by all threads
// without locks; the hand-over protocol (the starter sets, the started procedure reads at once)
// is what keeps them consistent.
#pragma once

#include <string>
#include <string_view>

#include "dictionary/fieldtypes.h"

namespace dict {

// GLO.CANADIAN: the tax regime, which chooses tax formulas and labels.
namespace TaxRegime {
enum : BYTE {
    ProvincialAndGst = 1, // provincial tax and GST
    Vat = 2,
    SalesTax = 3, // a single sales tax (the first-run default)
    GstOnly = 4,
};
}

// The row of a table with one row per tax regime, in regime order; a value that is no regime
// reads as the single sales tax, the first-run default. Every relabelling by regime goes through it.
template <typename Row>
const Row &byTaxRegime(const Row (&rows)[4], int regime)
{
    const bool known = regime >= TaxRegime::ProvincialAndGst && regime <= TaxRegime::GstOnly;
    return rows[(known ? regime : TaxRegime::SalesTax) - 1];
}

// The name of the tax of a regime: "PST", "VAT", "Tax" (a single sales tax) or "GST".
const char *taxName(int regime);
// The name of price level 1, 2 or 3: the setup's heading, else "Price n".
std::string priceName(int level);

// Words that follow the tax system, as the shop's country writes them: "PROV:" or "ST:" before
// a state, "County:" (a single sales tax) or "Country:", "Check" (a single sales tax) or "Cheque".
const char *stateCaption(int regime);
const char *countryCaption(int regime);
const char *chequeWord(int regime);
// Whether a payment type is a cheque, however it is spelt or cased ("Check", "CHEQUE").
bool isCheque(std::string_view type);

// GLO.STARTUP: the mode the next procedure runs in.
namespace StartUp {
enum : BYTE {
    None = 0,
    FirstRun = 1,        // also: backup, address labels
    AddressLabels = 1,
    Backup = 1,
    ShippingLabels = 2,  // also: restore
    Restore = 2,
    InventoryByCustomer = 3,
    Billing = 4,
    BlankForm = 5,
    Envelopes = 6,
    RightPassword = 9,
};
}

struct Globals {
    // ---- Settings copied from SETUP (WIN::ROUTINES routine 4) ----
    REAL LABORRATE = 0;
    BYTE PRINTPREVIEW = 0;
    BYTE PRINTINVOICE = 0;
    BYTE PRINTCHOICE = 0; // documents go on pre-printed forms
    BYTE PRINTSHIPPING = 0;
    BYTE PICKLIST = 0;
    String<5> DATENAME; // date picture, "@d2b", "@d6b" or "@d10b"
    SHORT LABELTYPE = 0;
    SHORT LABEL1TYPE = 0;
    BYTE CURRENCYTYPE = 0; // money display format 1-12
    REAL GST = 0;
    String<20> GSTNUMBER;
    String<15> PAPERSIZE;
    String<15> ENVELOPESIZE;
    REAL INVENTORYMARKUP = 0;
    BYTE AUTOTAXITEM = 0;
    REAL CUSTOMERTAXRATE = 0;
    String<40> LABELLINE;
    BYTE TAXABLE = 0; // labour is taxed
    String<10> PRICE1;
    String<10> PRICE2;
    String<10> PRICE3;
    BYTE PROHIBITSELLING = 0;
    BYTE TAXSHIPPING = 0;
    BYTE CANADIAN = 0; // tax regime: 1 GST/PST, 2 VAT, 3 single sales tax, 4 GST only
    BYTE REDLINEINVOICE = 0;
    BYTE REDLINECUSTOMER = 0;
    BYTE REDLINEINVENTORY = 0;
    BYTE REDLINEPURCHASEORDER = 0;
    String<10> PASSWORD;      // what the password window's entry holds while it is open
    String<128> PASSWORDHASH; // the password in force, as SETUP keeps it
    BYTE PASSWORDCHANGE = 0;
    BYTE PASSWORDDELETE = 0;

    // ---- Display pictures and formatted lines (WIN::ROUTINES) ----
    String<15> CURRENCYNAME;  // money
    String<15> CURRENCYNAME1; // totals
    String<15> CURRENCYNAME2; // quantities
    String<15> CURRENCYNAME3;
    String<15> CURRENCYNAME4;
    String<15> CURRENCYNAME5;
    String<15> CURRENCYNAME6; // percentages
    String<15> CURRENCYNAME7; // rates
    String<15> CURRENCYNAME8; // spare
    String<9> MONTHNAME;
    String<40> CUSTOMERNAME;
    String<40> CUSTOMERCOMPANY;
    String<40> CUSTOMERADDRESS;
    String<40> CUSTOMERADDRESS2;
    String<40> CUSTOMERADDRESS3;
    String<40> CUSTOMERCITYSTATEANDZIP;
    String<40> CUSTOMERNAME_2;    // GLO:CUSTOMERNAME:2
    String<40> CUSTOMERCOMPANY_2; // GLO:CUSTOMERCOMPANY:2
    String<40> SHIPPINGADDRESS;
    String<40> SHIPPINGADDRESS2;
    String<40> SHIPPINGADDRESS3;
    String<40> SHIPPINGCITYSTATEANDZIP;
    String<40> VENDORNAME;
    String<40> VENDORADDRESS;
    String<40> VENDORADDRESS2;
    String<40> VENDORADDRESS3;
    String<40> VENDORCITYSTATEANDZIP;
    String<40> VENDORPOCNAME;
    String<15> LABELNAME;
    String<15> LABELNAME1;

    // ---- Hand-over values ----
    BYTE STARTUP = 0;    // the mode the next procedure runs in; cleared by the one acting on it
    BYTE WINROUTINE = 0; // the routine WIN::ROUTINES() performs; cleared by every call
    BYTE NEWINVOICE = 0;
    BYTE NEWCREDITMEMO = 0;
    BYTE NEWPURCHASEORDER = 0;
    BYTE THREADNO = 0;
    BYTE THREADNO1 = 0;
    String<10> CUSTOMERNO;
    String<20> VENDORACCOUNTNO;
    LONG INVOICENO = 0;
    LONG CREDITMEMONO = 0;
    LONG PURCHASEORDERNO = 0;
    LONG STARTDATE = 0; // day numbers
    LONG ENDDATE = 0;
    BYTE QUOTES = 0;
    REAL TAXRATE = 0;
    BYTE TESTDATA = 0;
};

// Sets every global back to zero or blanks, as when the library loaded.
void resetGlobals();

} // namespace dict

extern dict::Globals GLO;
