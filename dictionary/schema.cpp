// Field and key tables of every data file; the storage layer builds its tables and indexes
// from these, and the access managers their key lists.
#include "dictionary/schema.h"
#include "dictionary/records.h"

#include <cstddef>

namespace dict {
namespace {

constexpr FieldDef customerFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(CUSTOMERRecord, RECORDNO), 4},
    {"CUSTOMERNO", FieldType::String, offsetof(CUSTOMERRecord, CUSTOMERNO), 10},
    {"LNAME", FieldType::String, offsetof(CUSTOMERRecord, LNAME), 15},
    {"FNAME", FieldType::String, offsetof(CUSTOMERRecord, FNAME), 10},
    {"COMPANY", FieldType::String, offsetof(CUSTOMERRecord, COMPANY), 40},
    {"ADDRESS", FieldType::String, offsetof(CUSTOMERRecord, ADDRESS), 40},
    {"ADDRESS2", FieldType::String, offsetof(CUSTOMERRecord, ADDRESS2), 40},
    {"ADDRESS3", FieldType::String, offsetof(CUSTOMERRecord, ADDRESS3), 40},
    {"CITY", FieldType::String, offsetof(CUSTOMERRecord, CITY), 25},
    {"STATE", FieldType::String, offsetof(CUSTOMERRecord, STATE), 3},
    {"COUNTRY", FieldType::String, offsetof(CUSTOMERRecord, COUNTRY), 15},
    {"ZIPCODE", FieldType::String, offsetof(CUSTOMERRecord, ZIPCODE), 10},
    {"SADDRESS", FieldType::String, offsetof(CUSTOMERRecord, SADDRESS), 40},
    {"SADDRESS2", FieldType::String, offsetof(CUSTOMERRecord, SADDRESS2), 40},
    {"SADDRESS3", FieldType::String, offsetof(CUSTOMERRecord, SADDRESS3), 40},
    {"SCITY", FieldType::String, offsetof(CUSTOMERRecord, SCITY), 25},
    {"SSTATE", FieldType::String, offsetof(CUSTOMERRecord, SSTATE), 3},
    {"SCOUNTRY", FieldType::String, offsetof(CUSTOMERRecord, SCOUNTRY), 15},
    {"SZIPCODE", FieldType::String, offsetof(CUSTOMERRecord, SZIPCODE), 10},
    {"SAMEADDRESS", FieldType::Byte, offsetof(CUSTOMERRecord, SAMEADDRESS), 1},
    {"TAXAMOUNT", FieldType::Real, offsetof(CUSTOMERRecord, TAXAMOUNT), 8},
    {"TAXNUMBER", FieldType::String, offsetof(CUSTOMERRecord, TAXNUMBER), 20},
    {"PHONENO", FieldType::String, offsetof(CUSTOMERRecord, PHONENO), 15},
    {"FAXNO", FieldType::String, offsetof(CUSTOMERRecord, FAXNO), 15},
    {"LONGDISTANCE", FieldType::Byte, offsetof(CUSTOMERRecord, LONGDISTANCE), 1},
    {"CUSTOMERDISCOUNT", FieldType::Real, offsetof(CUSTOMERRecord, CUSTOMERDISCOUNT), 8},
    {"COMMENTS", FieldType::String, offsetof(CUSTOMERRecord, COMMENTS), 50},
    {"EMAILADDRESS", FieldType::String, offsetof(CUSTOMERRecord, EMAILADDRESS), 35},
    {"BANK", FieldType::String, offsetof(CUSTOMERRecord, BANK), 40},
    {"BANKACCOUNTNO", FieldType::String, offsetof(CUSTOMERRecord, BANKACCOUNTNO), 20},
    {"CREDITCARDNO", FieldType::String, offsetof(CUSTOMERRecord, CREDITCARDNO), 19},
    {"CREDITCARDDATE", FieldType::String, offsetof(CUSTOMERRecord, CREDITCARDDATE), 5},
    {"TERMS", FieldType::String, offsetof(CUSTOMERRecord, TERMS), 10},
    {"BALANCE", FieldType::Real, offsetof(CUSTOMERRecord, BALANCE), 8},
    {"FINANCEPRESENT", FieldType::Byte, offsetof(CUSTOMERRecord, FINANCEPRESENT), 1},
};
constexpr KeyDef customerKeys[] = {
    {"CUS:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"CUS:CustomerNo_Key", {{1, false}}, true, true, AutoNumber::None},
    {"CUS:CustomerName_Key", {{2, false}, {3, false}, {1, false}}, true, false, AutoNumber::None},
    {"CUS:Phone_Key", {{22, false}}, false, false, AutoNumber::None},
    {"CUS:ZipCode_Key", {{11, false}, {2, false}, {3, false}}, false, false, AutoNumber::None},
    {"CUS:CityState_Key", {{8, false}, {9, false}}, false, false, AutoNumber::None},
    {"CUS:Company_Key", {{4, false}}, false, false, AutoNumber::None},
    {"CUS:EmailAddress_Key", {{27, false}}, false, false, AutoNumber::None},
    {"CUS:State_Key", {{9, false}}, false, false, AutoNumber::None},
    {"CUS:Country_Key", {{10, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef invoiceFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(INVOICERecord, RECORDNO), 4},
    {"INVOICENO", FieldType::Long, offsetof(INVOICERecord, INVOICENO), 4},
    {"CUSTOMERNO", FieldType::String, offsetof(INVOICERecord, CUSTOMERNO), 10},
    {"PONUMBER", FieldType::String, offsetof(INVOICERecord, PONUMBER), 15},
    {"MONTH", FieldType::Short, offsetof(INVOICERecord, MONTH), 2},
    {"DATE", FieldType::Long, offsetof(INVOICERecord, DATE), 4},
    {"TERMS", FieldType::String, offsetof(INVOICERecord, TERMS), 10},
    {"CHECKNO", FieldType::Long, offsetof(INVOICERecord, CHECKNO), 4},
    {"BANK", FieldType::String, offsetof(INVOICERecord, BANK), 40},
    {"CREDITCARDNO", FieldType::String, offsetof(INVOICERecord, CREDITCARDNO), 19},
    {"CREDITCARDDATE", FieldType::String, offsetof(INVOICERecord, CREDITCARDDATE), 5},
    {"CREDITCARDAUTHORIZENO", FieldType::Long, offsetof(INVOICERecord, CREDITCARDAUTHORIZENO), 4},
    {"MONEYORDERNO", FieldType::String, offsetof(INVOICERecord, MONEYORDERNO), 20},
    {"CUSTOMERDISCOUNT", FieldType::Real, offsetof(INVOICERecord, CUSTOMERDISCOUNT), 8},
    {"AMOUNT", FieldType::Real, offsetof(INVOICERecord, AMOUNT), 8},
    {"TAX", FieldType::Real, offsetof(INVOICERecord, TAX), 8},
    {"TAXRATE", FieldType::Real, offsetof(INVOICERecord, TAXRATE), 8},
    {"GST", FieldType::Real, offsetof(INVOICERecord, GST), 8},
    {"GSTTAXRATE", FieldType::Real, offsetof(INVOICERecord, GSTTAXRATE), 8},
    {"LABOR", FieldType::Real, offsetof(INVOICERecord, LABOR), 8},
    {"LABORRATE", FieldType::Real, offsetof(INVOICERecord, LABORRATE), 8},
    {"COST", FieldType::Real, offsetof(INVOICERecord, COST), 8},
    {"RETAIL", FieldType::Real, offsetof(INVOICERecord, RETAIL), 8},
    {"TOTALDISCOUNT", FieldType::Real, offsetof(INVOICERecord, TOTALDISCOUNT), 8},
    {"LINEITEMDISCOUNT", FieldType::Byte, offsetof(INVOICERecord, LINEITEMDISCOUNT), 1},
    {"AMOUNTPAID", FieldType::Real, offsetof(INVOICERecord, AMOUNTPAID), 8},
    {"TOTALDUE", FieldType::Real, offsetof(INVOICERecord, TOTALDUE), 8},
    {"DATEPAID", FieldType::Long, offsetof(INVOICERecord, DATEPAID), 4},
    {"AMOUNTOWED", FieldType::Real, offsetof(INVOICERecord, AMOUNTOWED), 8},
    {"SHIPPING", FieldType::Real, offsetof(INVOICERecord, SHIPPING), 8},
    {"SHIPPINGMETHOD", FieldType::String, offsetof(INVOICERecord, SHIPPINGMETHOD), 10},
    {"SHIPPINGTRACKINGNO", FieldType::String, offsetof(INVOICERecord, SHIPPINGTRACKINGNO), 20},
    {"SHIPPINGDATE", FieldType::Long, offsetof(INVOICERecord, SHIPPINGDATE), 4},
    {"TAXSHIPPING", FieldType::Byte, offsetof(INVOICERecord, TAXSHIPPING), 1},
    {"SHIPPINGTAX", FieldType::Real, offsetof(INVOICERecord, SHIPPINGTAX), 8},
    {"COD", FieldType::Real, offsetof(INVOICERecord, COD), 8},
    {"PAYMENTTERMS", FieldType::String, offsetof(INVOICERecord, PAYMENTTERMS), 8},
    {"PRINTED", FieldType::String, offsetof(INVOICERecord, PRINTED), 1},
    {"SALESMAN", FieldType::String, offsetof(INVOICERecord, SALESMAN), 15},
    {"WEIGHT", FieldType::Real, offsetof(INVOICERecord, WEIGHT), 8},
    {"QUOTES", FieldType::Byte, offsetof(INVOICERecord, QUOTES), 1},
    {"CREDITCHECK", FieldType::Byte, offsetof(INVOICERecord, CREDITCHECK), 1},
    {"REBILL", FieldType::Byte, offsetof(INVOICERecord, REBILL), 1},
    {"CHECKINVOICE", FieldType::Byte, offsetof(INVOICERecord, CHECKINVOICE), 1},
    {"REBILLCYCLE", FieldType::String, offsetof(INVOICERecord, REBILLCYCLE), 1},
    {"TAXINFO", FieldType::String, offsetof(INVOICERecord, TAXINFO), 50},
};
constexpr KeyDef invoiceKeys[] = {
    {"INV:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"INV:InvoiceNo_Key", {{1, false}}, true, true, AutoNumber::WholeKey},
    {"INV:InvoiceNoR_Key", {{1, true}}, true, false, AutoNumber::None},
    {"INV:Customer_Key", {{2, false}, {1, false}}, true, false, AutoNumber::None},
    {"INV:Date_Key", {{5, false}}, false, false, AutoNumber::None},
    {"INV:POnumber_Key", {{3, false}}, false, false, AutoNumber::None},
    {"INV:Salesman_Key", {{38, false}, {5, false}}, false, false, AutoNumber::None},
    {"INV:Quotes_Key", {{40, false}}, false, false, AutoNumber::None},
    {"INV:InvoiceRebill_Key", {{42, false}, {44, false}, {1, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef descriptionFields[] = {
    {"INVOICENO", FieldType::Long, offsetof(DESCRIPTIONRecord, INVOICENO), 4},
    {"RECORDNO", FieldType::Long, offsetof(DESCRIPTIONRecord, RECORDNO), 4},
    {"PONUMBER", FieldType::String, offsetof(DESCRIPTIONRecord, PONUMBER), 15},
    {"ITEMNO", FieldType::Long, offsetof(DESCRIPTIONRecord, ITEMNO), 4},
    {"CUSTOMERNO", FieldType::String, offsetof(DESCRIPTIONRecord, CUSTOMERNO), 10},
    {"LABORBUTTON", FieldType::Byte, offsetof(DESCRIPTIONRecord, LABORBUTTON), 1},
    {"CATAGORY", FieldType::String, offsetof(DESCRIPTIONRecord, CATAGORY), 10},
    {"DESCRIPTION", FieldType::String, offsetof(DESCRIPTIONRecord, DESCRIPTION), 200},
    {"QUANTITY", FieldType::Real, offsetof(DESCRIPTIONRecord, QUANTITY), 8},
    {"PACKAGESIZE", FieldType::String, offsetof(DESCRIPTIONRecord, PACKAGESIZE), 10},
    {"COST", FieldType::Real, offsetof(DESCRIPTIONRecord, COST), 8},
    {"AMOUNTCOST", FieldType::Real, offsetof(DESCRIPTIONRecord, AMOUNTCOST), 8},
    {"PRICEOPTION", FieldType::Byte, offsetof(DESCRIPTIONRecord, PRICEOPTION), 1},
    {"PRICE", FieldType::Real, offsetof(DESCRIPTIONRecord, PRICE), 8},
    {"PRICE1", FieldType::Real, offsetof(DESCRIPTIONRecord, PRICE1), 8},
    {"PRICE2", FieldType::Real, offsetof(DESCRIPTIONRecord, PRICE2), 8},
    {"PRICE3", FieldType::Real, offsetof(DESCRIPTIONRecord, PRICE3), 8},
    {"AMOUNT", FieldType::Real, offsetof(DESCRIPTIONRecord, AMOUNT), 8},
    {"LINEITEMDISCOUNT", FieldType::Real, offsetof(DESCRIPTIONRecord, LINEITEMDISCOUNT), 8},
    {"DISCOUNTAMOUNT", FieldType::Real, offsetof(DESCRIPTIONRecord, DISCOUNTAMOUNT), 8},
    {"TAX", FieldType::Real, offsetof(DESCRIPTIONRecord, TAX), 8},
    {"GST", FieldType::Real, offsetof(DESCRIPTIONRecord, GST), 8},
    {"LABOR", FieldType::Real, offsetof(DESCRIPTIONRecord, LABOR), 8},
    {"STOCKNO", FieldType::String, offsetof(DESCRIPTIONRecord, STOCKNO), 20},
    {"DATE", FieldType::Long, offsetof(DESCRIPTIONRecord, DATE), 4},
    {"MONTH", FieldType::Short, offsetof(DESCRIPTIONRecord, MONTH), 2},
    {"TAXABLE", FieldType::Byte, offsetof(DESCRIPTIONRecord, TAXABLE), 1},
    {"GSTTAXABLE", FieldType::Byte, offsetof(DESCRIPTIONRecord, GSTTAXABLE), 1},
    {"WEIGHT", FieldType::Real, offsetof(DESCRIPTIONRecord, WEIGHT), 8},
    {"LOCATION", FieldType::String, offsetof(DESCRIPTIONRecord, LOCATION), 10},
    {"BACKORDER", FieldType::Byte, offsetof(DESCRIPTIONRecord, BACKORDER), 1},
    {"DELIVERYDATE", FieldType::Long, offsetof(DESCRIPTIONRecord, DELIVERYDATE), 4},
    {"AMOUNTBACKORDERED", FieldType::Real, offsetof(DESCRIPTIONRecord, AMOUNTBACKORDERED), 8},
};
constexpr KeyDef descriptionKeys[] = {
    {"DES:InvoiceNo_Key", {{0, false}, {3, false}}, false, false, AutoNumber::LastComponent},
    {"DES:Invoice_Key", {{0, false}}, false, false, AutoNumber::None},
    {"DES:PONumber_Key", {{2, false}}, false, false, AutoNumber::None},
    {"DES:CustomerNo_Key", {{4, false}, {23, false}}, false, false, AutoNumber::None},
    {"DES:Description_Key", {{7, false}}, false, false, AutoNumber::None},
    {"DES:Catagory_Key", {{6, false}}, false, false, AutoNumber::None},
    {"DES:StockNo_Key", {{23, false}}, false, false, AutoNumber::None},
    {"DES:Date_Key", {{24, false}, {23, false}}, false, false, AutoNumber::None},
    {"DES:Month_Key", {{25, false}, {23, false}}, false, false, AutoNumber::None},
    {"DES:Quanity_Key", {{24, false}, {8, true}}, false, false, AutoNumber::None},
};

constexpr FieldDef creditFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(CREDITRecord, RECORDNO), 4},
    {"CREDITMEMONO", FieldType::Long, offsetof(CREDITRecord, CREDITMEMONO), 4},
    {"INVOICENO", FieldType::Long, offsetof(CREDITRecord, INVOICENO), 4},
    {"CUSTOMERNO", FieldType::String, offsetof(CREDITRecord, CUSTOMERNO), 10},
    {"PONUMBER", FieldType::String, offsetof(CREDITRecord, PONUMBER), 15},
    {"MONTH", FieldType::Short, offsetof(CREDITRecord, MONTH), 2},
    {"DATE", FieldType::Long, offsetof(CREDITRecord, DATE), 4},
    {"CUSTOMERDISCOUNT", FieldType::Real, offsetof(CREDITRecord, CUSTOMERDISCOUNT), 8},
    {"AMOUNT", FieldType::Real, offsetof(CREDITRecord, AMOUNT), 8},
    {"TAX", FieldType::Real, offsetof(CREDITRecord, TAX), 8},
    {"TAXRATE", FieldType::Real, offsetof(CREDITRecord, TAXRATE), 8},
    {"GST", FieldType::Real, offsetof(CREDITRecord, GST), 8},
    {"GSTTAXRATE", FieldType::Real, offsetof(CREDITRecord, GSTTAXRATE), 8},
    {"LABOR", FieldType::Real, offsetof(CREDITRecord, LABOR), 8},
    {"LABORRATE", FieldType::Real, offsetof(CREDITRecord, LABORRATE), 8},
    {"COST", FieldType::Real, offsetof(CREDITRecord, COST), 8},
    {"RETAIL", FieldType::Real, offsetof(CREDITRecord, RETAIL), 8},
    {"TOTALDISCOUNT", FieldType::Real, offsetof(CREDITRecord, TOTALDISCOUNT), 8},
    {"LINEITEMDISCOUNT", FieldType::Byte, offsetof(CREDITRecord, LINEITEMDISCOUNT), 1},
    {"TOTALDUE", FieldType::Real, offsetof(CREDITRecord, TOTALDUE), 8},
    {"DATEPAID", FieldType::Long, offsetof(CREDITRecord, DATEPAID), 4},
    {"SHIPPING", FieldType::Real, offsetof(CREDITRecord, SHIPPING), 8},
    {"PRINTED", FieldType::String, offsetof(CREDITRecord, PRINTED), 1},
    {"SALESMAN", FieldType::String, offsetof(CREDITRecord, SALESMAN), 15},
    {"TAXINFO", FieldType::String, offsetof(CREDITRecord, TAXINFO), 50},
};
constexpr KeyDef creditKeys[] = {
    {"CRE:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"CRE:CreditMemoNo_Key", {{1, false}}, true, true, AutoNumber::WholeKey},
    {"CRE:Customer_Key", {{3, false}, {1, false}}, true, false, AutoNumber::None},
    {"CRE:Date_Key", {{6, false}}, false, false, AutoNumber::None},
    {"CRE:PONumber_Key", {{4, false}}, true, false, AutoNumber::None},
    {"CRE:Invoice_Key", {{2, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef crscriptionFields[] = {
    {"CREDITMEMONO", FieldType::Long, offsetof(CRSCRIPTIONRecord, CREDITMEMONO), 4},
    {"RECORDNO", FieldType::Long, offsetof(CRSCRIPTIONRecord, RECORDNO), 4},
    {"ITEMNO", FieldType::Long, offsetof(CRSCRIPTIONRecord, ITEMNO), 4},
    {"CUSTOMERNO", FieldType::String, offsetof(CRSCRIPTIONRecord, CUSTOMERNO), 10},
    {"LABORBUTTON", FieldType::Byte, offsetof(CRSCRIPTIONRecord, LABORBUTTON), 1},
    {"CATAGORY", FieldType::String, offsetof(CRSCRIPTIONRecord, CATAGORY), 10},
    {"DESCRIPTION", FieldType::String, offsetof(CRSCRIPTIONRecord, DESCRIPTION), 200},
    {"QUANTITY", FieldType::Real, offsetof(CRSCRIPTIONRecord, QUANTITY), 8},
    {"PACKAGESIZE", FieldType::String, offsetof(CRSCRIPTIONRecord, PACKAGESIZE), 10},
    {"COST", FieldType::Real, offsetof(CRSCRIPTIONRecord, COST), 8},
    {"AMOUNTCOST", FieldType::Real, offsetof(CRSCRIPTIONRecord, AMOUNTCOST), 8},
    {"PRICE", FieldType::Real, offsetof(CRSCRIPTIONRecord, PRICE), 8},
    {"PRICEOPTION", FieldType::Byte, offsetof(CRSCRIPTIONRecord, PRICEOPTION), 1},
    {"PRICE1", FieldType::Real, offsetof(CRSCRIPTIONRecord, PRICE1), 8},
    {"PRICE2", FieldType::Real, offsetof(CRSCRIPTIONRecord, PRICE2), 8},
    {"AMOUNT", FieldType::Real, offsetof(CRSCRIPTIONRecord, AMOUNT), 8},
    {"LINEITEMDESCRIPTION", FieldType::Real, offsetof(CRSCRIPTIONRecord, LINEITEMDESCRIPTION), 8},
    {"DISCOUNTAMOUNT", FieldType::Real, offsetof(CRSCRIPTIONRecord, DISCOUNTAMOUNT), 8},
    {"TAX", FieldType::Real, offsetof(CRSCRIPTIONRecord, TAX), 8},
    {"GST", FieldType::Real, offsetof(CRSCRIPTIONRecord, GST), 8},
    {"TAXABLE", FieldType::Byte, offsetof(CRSCRIPTIONRecord, TAXABLE), 1},
    {"GSTTAXABLE", FieldType::Byte, offsetof(CRSCRIPTIONRecord, GSTTAXABLE), 1},
    {"LABOR", FieldType::Real, offsetof(CRSCRIPTIONRecord, LABOR), 8},
    {"STOCKNO", FieldType::String, offsetof(CRSCRIPTIONRecord, STOCKNO), 20},
    {"DATE", FieldType::Long, offsetof(CRSCRIPTIONRecord, DATE), 4},
    {"MONTH", FieldType::Short, offsetof(CRSCRIPTIONRecord, MONTH), 2},
    {"WEIGHT", FieldType::Real, offsetof(CRSCRIPTIONRecord, WEIGHT), 8},
};
constexpr KeyDef crscriptionKeys[] = {
    {"CRS:CreditMemoNo_Key", {{0, false}, {2, false}}, true, false, AutoNumber::LastComponent},
    {"CRS:Description_Key", {{6, false}}, false, false, AutoNumber::None},
    {"CRS:Catagory_Key", {{5, false}}, false, false, AutoNumber::None},
    {"CRS:StockNo_Key", {{23, false}}, false, false, AutoNumber::None},
    {"CRS:Date_Key", {{24, false}, {23, false}}, false, false, AutoNumber::None},
    {"CRS:CustomerNo_Key", {{3, false}, {23, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef financeFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(FINANCERecord, RECORDNO), 4},
    {"CUSTOMERNO", FieldType::String, offsetof(FINANCERecord, CUSTOMERNO), 10},
    {"INVOICENO", FieldType::Long, offsetof(FINANCERecord, INVOICENO), 4},
    {"CREDITMEMONO", FieldType::Long, offsetof(FINANCERecord, CREDITMEMONO), 4},
    {"DATE", FieldType::Long, offsetof(FINANCERecord, DATE), 4},
    {"TERMS", FieldType::String, offsetof(FINANCERecord, TERMS), 10},
    {"MONEYORDERNO", FieldType::String, offsetof(FINANCERecord, MONEYORDERNO), 20},
    {"CHECKNO", FieldType::Long, offsetof(FINANCERecord, CHECKNO), 4},
    {"BANK", FieldType::String, offsetof(FINANCERecord, BANK), 40},
    {"CREDITCARDNO", FieldType::String, offsetof(FINANCERecord, CREDITCARDNO), 19},
    {"CREDITCARDDATE", FieldType::String, offsetof(FINANCERecord, CREDITCARDDATE), 5},
    {"CREDITCARDAUTHORIZENO", FieldType::Long, offsetof(FINANCERecord, CREDITCARDAUTHORIZENO), 4},
    {"INVOICETOTAL", FieldType::Real, offsetof(FINANCERecord, INVOICETOTAL), 8},
    {"AMOUNTDUE", FieldType::Real, offsetof(FINANCERecord, AMOUNTDUE), 8},
    {"AMOUNTPAID", FieldType::Real, offsetof(FINANCERecord, AMOUNTPAID), 8},
    {"PAYMENTTERMS", FieldType::String, offsetof(FINANCERecord, PAYMENTTERMS), 8},
    {"CHECKINVOICE", FieldType::Byte, offsetof(FINANCERecord, CHECKINVOICE), 1},
};
constexpr KeyDef financeKeys[] = {
    {"FIN:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"FIN:InvoiceNo_Key", {{2, false}}, false, false, AutoNumber::None},
    {"FIN:CreditMemoNo_Key", {{3, false}}, true, false, AutoNumber::None},
    {"FIN:Date_Key", {{4, false}}, false, false, AutoNumber::None},
    {"FIN:CustomerDate_Key", {{1, false}, {4, false}}, false, false, AutoNumber::None},
    {"FIN:CustomerNo_Key", {{1, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef stockFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(STOCKRecord, RECORDNO), 4},
    {"STOCKNO", FieldType::String, offsetof(STOCKRecord, STOCKNO), 20},
    {"PARTNO", FieldType::String, offsetof(STOCKRecord, PARTNO), 20},
    {"MANUFACTUR", FieldType::String, offsetof(STOCKRecord, MANUFACTUR), 20},
    {"VENDOR", FieldType::String, offsetof(STOCKRecord, VENDOR), 20},
    {"ACCOUNTNO", FieldType::String, offsetof(STOCKRecord, ACCOUNTNO), 20},
    {"DESCRIPTION", FieldType::String, offsetof(STOCKRecord, DESCRIPTION), 200},
    {"CATAGORY", FieldType::String, offsetof(STOCKRecord, CATAGORY), 10},
    {"PACKAGESIZE", FieldType::String, offsetof(STOCKRecord, PACKAGESIZE), 10},
    {"AMOUNTINSTOCK", FieldType::Real, offsetof(STOCKRecord, AMOUNTINSTOCK), 8},
    {"MINAMOUNT", FieldType::Real, offsetof(STOCKRecord, MINAMOUNT), 8},
    {"MAXAMOUNT", FieldType::Real, offsetof(STOCKRecord, MAXAMOUNT), 8},
    {"LOCATION", FieldType::String, offsetof(STOCKRecord, LOCATION), 10},
    {"INVENTORYMARKUP", FieldType::Byte, offsetof(STOCKRecord, INVENTORYMARKUP), 1},
    {"COST", FieldType::Real, offsetof(STOCKRecord, COST), 8},
    {"RETAIL", FieldType::Real, offsetof(STOCKRecord, RETAIL), 8},
    {"RETAIL2", FieldType::Real, offsetof(STOCKRecord, RETAIL2), 8},
    {"RETAIL3", FieldType::Real, offsetof(STOCKRecord, RETAIL3), 8},
    {"TAXABLE", FieldType::Byte, offsetof(STOCKRecord, TAXABLE), 1},
    {"GST", FieldType::Byte, offsetof(STOCKRecord, GST), 1},
    {"WEIGHT", FieldType::Real, offsetof(STOCKRecord, WEIGHT), 8},
    {"BACKORDERDATE", FieldType::Long, offsetof(STOCKRecord, BACKORDERDATE), 4},
    {"BACKORDERED", FieldType::Byte, offsetof(STOCKRecord, BACKORDERED), 1},
    {"AMOUNTBACKORDERED", FieldType::Real, offsetof(STOCKRecord, AMOUNTBACKORDERED), 8},
    {"SPECIALITEM", FieldType::String, offsetof(STOCKRecord, SPECIALITEM), 1},
    {"ITEMPICTURE", FieldType::String, offsetof(STOCKRecord, ITEMPICTURE), 50},
    {"PICTURE", FieldType::String, offsetof(STOCKRecord, PICTURE), 1},
};
constexpr KeyDef stockKeys[] = {
    {"STO:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"STO:StockNo_Key", {{1, false}}, false, false, AutoNumber::None},
    {"STO:StockNoRecordNo_Key", {{1, false}, {0, false}}, false, false, AutoNumber::None},
    {"STO:PartNo_Key", {{2, false}}, false, false, AutoNumber::None},
    {"STO:Vendor_Key", {{4, false}}, false, false, AutoNumber::None},
    {"STO:Manufactur_Key", {{3, false}, {2, false}}, false, false, AutoNumber::None},
    {"STO:Catagory_Key", {{7, false}, {1, false}}, false, false, AutoNumber::None},
    {"STO:Description_Key", {{6, false}}, false, false, AutoNumber::None},
    {"STO:SpecialItem_Key", {{24, false}, {1, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef specialFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(SPECIALRecord, RECORDNO), 4},
    {"STOCKNO", FieldType::String, offsetof(SPECIALRecord, STOCKNO), 20},
    {"STOCKNO1", FieldType::String, offsetof(SPECIALRecord, STOCKNO1), 20},
    {"DESCRIPTION", FieldType::String, offsetof(SPECIALRecord, DESCRIPTION), 100},
    {"AMOUNT", FieldType::Real, offsetof(SPECIALRecord, AMOUNT), 8},
    {"COST", FieldType::Real, offsetof(SPECIALRecord, COST), 8},
    {"SINGLECOST", FieldType::Real, offsetof(SPECIALRecord, SINGLECOST), 8},
};
constexpr KeyDef specialKeys[] = {
    {"SPE:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"SPE:StockNo_Key", {{1, false}}, false, false, AutoNumber::None},
    {"SPE:StockNo1_Key", {{1, false}, {2, false}}, true, false, AutoNumber::None},
};

constexpr FieldDef ststrendFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(STSTRENDRecord, RECORDNO), 4},
    {"STOCKNO", FieldType::String, offsetof(STSTRENDRecord, STOCKNO), 20},
    {"PARTNO", FieldType::String, offsetof(STSTRENDRecord, PARTNO), 20},
    {"DATERECEIVED", FieldType::Long, offsetof(STSTRENDRecord, DATERECEIVED), 4},
    {"MONTH", FieldType::Short, offsetof(STSTRENDRecord, MONTH), 2},
    {"AMOUNTRECEIVED", FieldType::Real, offsetof(STSTRENDRecord, AMOUNTRECEIVED), 8},
};
constexpr KeyDef ststrendKeys[] = {
    {"STS:RecordNo_Key", {{0, false}}, true, true, AutoNumber::WholeKey},
    {"STS:StockNo_Key", {{1, false}}, false, false, AutoNumber::None},
    {"STS:PartNo_Key", {{2, false}}, false, false, AutoNumber::None},
    {"STS:StockDate_Key", {{1, false}, {3, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef vendorFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(VENDORRecord, RECORDNO), 4},
    {"ACCOUNTNO", FieldType::String, offsetof(VENDORRecord, ACCOUNTNO), 20},
    {"LNAME", FieldType::String, offsetof(VENDORRecord, LNAME), 15},
    {"FNAME", FieldType::String, offsetof(VENDORRecord, FNAME), 10},
    {"VENDOR", FieldType::String, offsetof(VENDORRecord, VENDOR), 20},
    {"ADDRESS", FieldType::String, offsetof(VENDORRecord, ADDRESS), 40},
    {"ADDRESS2", FieldType::String, offsetof(VENDORRecord, ADDRESS2), 40},
    {"ADDRESS3", FieldType::String, offsetof(VENDORRecord, ADDRESS3), 40},
    {"CITY", FieldType::String, offsetof(VENDORRecord, CITY), 25},
    {"STATE", FieldType::String, offsetof(VENDORRecord, STATE), 3},
    {"COUNTRY", FieldType::String, offsetof(VENDORRecord, COUNTRY), 15},
    {"ZIPCODE", FieldType::String, offsetof(VENDORRecord, ZIPCODE), 10},
    {"PHONENO", FieldType::String, offsetof(VENDORRecord, PHONENO), 15},
    {"FAXNO", FieldType::String, offsetof(VENDORRecord, FAXNO), 15},
    {"LONGDISTANCE", FieldType::Byte, offsetof(VENDORRecord, LONGDISTANCE), 1},
    {"BALANCE", FieldType::Real, offsetof(VENDORRecord, BALANCE), 8},
    {"COMMENTS", FieldType::String, offsetof(VENDORRecord, COMMENTS), 50},
    {"EMAILADDRESS", FieldType::String, offsetof(VENDORRecord, EMAILADDRESS), 35},
    {"FINANCEPRESENT", FieldType::Byte, offsetof(VENDORRecord, FINANCEPRESENT), 1},
};
constexpr KeyDef vendorKeys[] = {
    {"VEN:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"VEN:VendorNo_Key", {{1, false}}, true, true, AutoNumber::None},
    {"VEN:Vendor_Key", {{4, false}}, true, false, AutoNumber::None},
    {"VEN:VendorName_Key", {{2, false}, {3, false}, {1, false}}, false, false, AutoNumber::None},
    {"VEN:Phone_Key", {{12, false}}, false, false, AutoNumber::None},
    {"VEN:CityState_Key", {{8, false}, {9, false}}, false, false, AutoNumber::None},
    {"VEN:EmailAddress_Key", {{17, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef venfinFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(VENFINRecord, RECORDNO), 4},
    {"ACCOUNTNO", FieldType::String, offsetof(VENFINRecord, ACCOUNTNO), 20},
    {"PORDERNO", FieldType::Long, offsetof(VENFINRecord, PORDERNO), 4},
    {"DATE", FieldType::Long, offsetof(VENFINRecord, DATE), 4},
    {"TERMS", FieldType::String, offsetof(VENFINRecord, TERMS), 10},
    {"MONEYORDERNO", FieldType::String, offsetof(VENFINRecord, MONEYORDERNO), 20},
    {"CHECKNO", FieldType::Long, offsetof(VENFINRecord, CHECKNO), 4},
    {"BANK", FieldType::String, offsetof(VENFINRecord, BANK), 40},
    {"CREDITCARDNO", FieldType::String, offsetof(VENFINRecord, CREDITCARDNO), 19},
    {"CREDITCARDDATE", FieldType::String, offsetof(VENFINRecord, CREDITCARDDATE), 5},
    {"CREDITCARDAUTHORIZENO", FieldType::Long, offsetof(VENFINRecord, CREDITCARDAUTHORIZENO), 4},
    {"AMOUNTTOTAL", FieldType::Real, offsetof(VENFINRecord, AMOUNTTOTAL), 8},
    {"AMOUNTDUE", FieldType::Real, offsetof(VENFINRecord, AMOUNTDUE), 8},
    {"AMOUNTPAID", FieldType::Real, offsetof(VENFINRecord, AMOUNTPAID), 8},
    {"PAYMENTTERMS", FieldType::String, offsetof(VENFINRecord, PAYMENTTERMS), 8},
};
constexpr KeyDef venfinKeys[] = {
    {"VEF:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"VEF:POrderNo_Key", {{2, false}}, false, false, AutoNumber::None},
    {"VEF:Date_Key", {{3, false}}, false, false, AutoNumber::None},
    {"VEF:VendorDate_Key", {{1, false}, {3, false}}, false, false, AutoNumber::None},
    {"VEF:VendorNo_Key", {{1, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef purorderFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(PURORDERRecord, RECORDNO), 4},
    {"PORDERNO", FieldType::Long, offsetof(PURORDERRecord, PORDERNO), 4},
    {"ACCOUNTNO", FieldType::String, offsetof(PURORDERRecord, ACCOUNTNO), 20},
    {"VENDOR", FieldType::String, offsetof(PURORDERRecord, VENDOR), 20},
    {"MONTH", FieldType::Short, offsetof(PURORDERRecord, MONTH), 2},
    {"DATE", FieldType::Long, offsetof(PURORDERRecord, DATE), 4},
    {"TERMS", FieldType::String, offsetof(PURORDERRecord, TERMS), 10},
    {"CHECKNO", FieldType::Long, offsetof(PURORDERRecord, CHECKNO), 4},
    {"BANK", FieldType::String, offsetof(PURORDERRecord, BANK), 40},
    {"CREDITCARDNO", FieldType::String, offsetof(PURORDERRecord, CREDITCARDNO), 19},
    {"CREDITCARDDATE", FieldType::String, offsetof(PURORDERRecord, CREDITCARDDATE), 5},
    {"CREDITCARDAUTHORIZENO", FieldType::Long, offsetof(PURORDERRecord, CREDITCARDAUTHORIZENO), 4},
    {"MONEYORDERNO", FieldType::String, offsetof(PURORDERRecord, MONEYORDERNO), 20},
    {"CUSTOMERDISCOUNT", FieldType::Real, offsetof(PURORDERRecord, CUSTOMERDISCOUNT), 8},
    {"AMOUNT", FieldType::Real, offsetof(PURORDERRecord, AMOUNT), 8},
    {"TAX", FieldType::Real, offsetof(PURORDERRecord, TAX), 8},
    {"GST", FieldType::Real, offsetof(PURORDERRecord, GST), 8},
    {"LABOR", FieldType::Real, offsetof(PURORDERRecord, LABOR), 8},
    {"COST", FieldType::Real, offsetof(PURORDERRecord, COST), 8},
    {"RETAIL", FieldType::Real, offsetof(PURORDERRecord, RETAIL), 8},
    {"TOTALDISCOUNT", FieldType::Real, offsetof(PURORDERRecord, TOTALDISCOUNT), 8},
    {"AMOUNTPAID", FieldType::Real, offsetof(PURORDERRecord, AMOUNTPAID), 8},
    {"TOTALDUE", FieldType::Real, offsetof(PURORDERRecord, TOTALDUE), 8},
    {"DATEPAID", FieldType::Long, offsetof(PURORDERRecord, DATEPAID), 4},
    {"AMOUNTOWED", FieldType::Real, offsetof(PURORDERRecord, AMOUNTOWED), 8},
    {"SHIPPING", FieldType::Real, offsetof(PURORDERRecord, SHIPPING), 8},
    {"SHIPPINGMETHOD", FieldType::String, offsetof(PURORDERRecord, SHIPPINGMETHOD), 10},
    {"SHIPPINGTRACKINGNO", FieldType::String, offsetof(PURORDERRecord, SHIPPINGTRACKINGNO), 20},
    {"SHIPPINGDATE", FieldType::Long, offsetof(PURORDERRecord, SHIPPINGDATE), 4},
    {"TAXSHIPPING", FieldType::Byte, offsetof(PURORDERRecord, TAXSHIPPING), 1},
    {"SHIPPINGTAX", FieldType::Real, offsetof(PURORDERRecord, SHIPPINGTAX), 8},
    {"COD", FieldType::Real, offsetof(PURORDERRecord, COD), 8},
    {"PAYMENTTERMS", FieldType::String, offsetof(PURORDERRecord, PAYMENTTERMS), 8},
    {"PRINTED", FieldType::String, offsetof(PURORDERRecord, PRINTED), 1},
    {"CREDITCHECK", FieldType::Byte, offsetof(PURORDERRecord, CREDITCHECK), 1},
    {"TAXINFO", FieldType::String, offsetof(PURORDERRecord, TAXINFO), 50},
    {"DATERECVEIVED", FieldType::Long, offsetof(PURORDERRecord, DATERECVEIVED), 4},
    {"REBILL", FieldType::Byte, offsetof(PURORDERRecord, REBILL), 1},
};
constexpr KeyDef purorderKeys[] = {
    {"PUR:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"PUR:POrderNo_Key", {{1, false}}, true, true, AutoNumber::WholeKey},
    {"PUR:Vendor_Key", {{2, false}, {1, false}}, true, false, AutoNumber::None},
    {"PUR:Date_Key", {{5, false}}, false, false, AutoNumber::None},
    {"PUR:POrderRebill_Key", {{37, false}, {1, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef purdescriptionFields[] = {
    {"PURORDERNO", FieldType::Long, offsetof(PURDESCRIPTIONRecord, PURORDERNO), 4},
    {"RECORDNO", FieldType::Long, offsetof(PURDESCRIPTIONRecord, RECORDNO), 4},
    {"ITEMNO", FieldType::Long, offsetof(PURDESCRIPTIONRecord, ITEMNO), 4},
    {"VENDOR", FieldType::String, offsetof(PURDESCRIPTIONRecord, VENDOR), 20},
    {"CATAGORY", FieldType::String, offsetof(PURDESCRIPTIONRecord, CATAGORY), 10},
    {"DESCRIPTION", FieldType::String, offsetof(PURDESCRIPTIONRecord, DESCRIPTION), 200},
    {"QUANTITY", FieldType::Real, offsetof(PURDESCRIPTIONRecord, QUANTITY), 8},
    {"PACKAGESIZE", FieldType::String, offsetof(PURDESCRIPTIONRecord, PACKAGESIZE), 10},
    {"COST", FieldType::Real, offsetof(PURDESCRIPTIONRecord, COST), 8},
    {"AMOUNTCOST", FieldType::Real, offsetof(PURDESCRIPTIONRecord, AMOUNTCOST), 8},
    {"AMOUNT", FieldType::Real, offsetof(PURDESCRIPTIONRecord, AMOUNT), 8},
    {"DISCOUNTAMOUNT", FieldType::Real, offsetof(PURDESCRIPTIONRecord, DISCOUNTAMOUNT), 8},
    {"TAX", FieldType::Real, offsetof(PURDESCRIPTIONRecord, TAX), 8},
    {"GST", FieldType::Real, offsetof(PURDESCRIPTIONRecord, GST), 8},
    {"LABOR", FieldType::Real, offsetof(PURDESCRIPTIONRecord, LABOR), 8},
    {"STOCKNO", FieldType::String, offsetof(PURDESCRIPTIONRecord, STOCKNO), 20},
    {"PARTNO", FieldType::String, offsetof(PURDESCRIPTIONRecord, PARTNO), 20},
    {"DATE", FieldType::Long, offsetof(PURDESCRIPTIONRecord, DATE), 4},
    {"MONTH", FieldType::Short, offsetof(PURDESCRIPTIONRecord, MONTH), 2},
    {"TAXABLE", FieldType::Byte, offsetof(PURDESCRIPTIONRecord, TAXABLE), 1},
    {"GSTTAXABLE", FieldType::Byte, offsetof(PURDESCRIPTIONRecord, GSTTAXABLE), 1},
    {"WEIGHT", FieldType::Real, offsetof(PURDESCRIPTIONRecord, WEIGHT), 8},
    {"LOCATION", FieldType::String, offsetof(PURDESCRIPTIONRecord, LOCATION), 10},
};
constexpr KeyDef purdescriptionKeys[] = {
    {"PUD:PurOrderItem_Key", {{0, false}, {2, false}}, false, false, AutoNumber::LastComponent},
    {"PUD:PurOrderNo_Key", {{0, false}}, false, false, AutoNumber::None},
    {"PUD:Vendor_Key", {{3, false}, {15, false}}, false, false, AutoNumber::None},
    {"PUD:Description_Key", {{5, false}}, false, false, AutoNumber::None},
    {"PUD:Catagory_Key", {{4, false}}, false, false, AutoNumber::None},
    {"PUD:StockNo_Key", {{15, false}}, false, false, AutoNumber::None},
    {"PUD:Date_Key", {{17, false}, {15, false}}, false, false, AutoNumber::None},
    {"PUD:Month_Key", {{18, false}, {15, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef memosFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(MEMOSRecord, RECORDNO), 4},
    {"TITLE", FieldType::String, offsetof(MEMOSRecord, TITLE), 50},
};
constexpr KeyDef memosKeys[] = {
    {"MEM:RecordNo_Key", {{0, false}}, false, false, AutoNumber::WholeKey},
    {"MEM:Title_Key", {{1, false}}, true, false, AutoNumber::None},
};

constexpr FieldDef setupFields[] = {
    {"RECORDNO", FieldType::Byte, offsetof(SETUPRecord, RECORDNO), 1},
    {"DATE", FieldType::Long, offsetof(SETUPRecord, DATE), 4},
    {"COMPANYNAME", FieldType::String, offsetof(SETUPRecord, COMPANYNAME), 40},
    {"ADDRESS", FieldType::String, offsetof(SETUPRecord, ADDRESS), 40},
    {"ADDRESS2", FieldType::String, offsetof(SETUPRecord, ADDRESS2), 40},
    {"ADDRESS3", FieldType::String, offsetof(SETUPRecord, ADDRESS3), 40},
    {"CITY", FieldType::String, offsetof(SETUPRecord, CITY), 25},
    {"STATE", FieldType::String, offsetof(SETUPRecord, STATE), 3},
    {"COUNTRY", FieldType::String, offsetof(SETUPRecord, COUNTRY), 15},
    {"ZIPCODE", FieldType::String, offsetof(SETUPRecord, ZIPCODE), 10},
    {"PHONENO", FieldType::String, offsetof(SETUPRecord, PHONENO), 15},
    {"FAXNO", FieldType::String, offsetof(SETUPRecord, FAXNO), 15},
    {"TAXNUMBER", FieldType::String, offsetof(SETUPRecord, TAXNUMBER), 20},
    {"LABORRATE", FieldType::Real, offsetof(SETUPRecord, LABORRATE), 8},
    {"CANADIAN", FieldType::Byte, offsetof(SETUPRecord, CANADIAN), 1},
    {"GST", FieldType::Real, offsetof(SETUPRecord, GST), 8},
    {"GSTNUMBER", FieldType::String, offsetof(SETUPRecord, GSTNUMBER), 20},
    {"PRINTPREVIEW", FieldType::Byte, offsetof(SETUPRecord, PRINTPREVIEW), 1},
    {"PRINTINVOICE", FieldType::Byte, offsetof(SETUPRecord, PRINTINVOICE), 1},
    {"PRINTCHOICE", FieldType::Byte, offsetof(SETUPRecord, PRINTCHOICE), 1},
    {"PRINTSHIPPING", FieldType::Byte, offsetof(SETUPRecord, PRINTSHIPPING), 1},
    {"REPORTMEMO", FieldType::String, offsetof(SETUPRecord, REPORTMEMO), 50},
    {"SORTORDER", FieldType::Byte, offsetof(SETUPRecord, SORTORDER), 1},
    {"LASTNAME", FieldType::String, offsetof(SETUPRecord, LASTNAME), 15},
    {"FIRSTNAME", FieldType::String, offsetof(SETUPRecord, FIRSTNAME), 10},
    {"RESERVED1", FieldType::Long, offsetof(SETUPRecord, RESERVED1), 4},
    {"RESERVED2", FieldType::Byte, offsetof(SETUPRecord, RESERVED2), 1},
    {"NETWORKPATH", FieldType::String, offsetof(SETUPRecord, NETWORKPATH), 50},
    {"PRINTMEMOTOPBOTTOM", FieldType::Byte, offsetof(SETUPRecord, PRINTMEMOTOPBOTTOM), 1},
    {"PICKLIST", FieldType::Byte, offsetof(SETUPRecord, PICKLIST), 1},
    {"LABELTYPE", FieldType::Short, offsetof(SETUPRecord, LABELTYPE), 2},
    {"LABEL1TYPE", FieldType::Short, offsetof(SETUPRecord, LABEL1TYPE), 2},
    {"DATENAME", FieldType::String, offsetof(SETUPRecord, DATENAME), 5},
    {"CURRENCYTYPE", FieldType::Byte, offsetof(SETUPRecord, CURRENCYTYPE), 1},
    {"EMAILADDRESS", FieldType::String, offsetof(SETUPRecord, EMAILADDRESS), 35},
    {"COMPANYHEADER", FieldType::String, offsetof(SETUPRecord, COMPANYHEADER), 20},
    {"PAPERSIZE", FieldType::String, offsetof(SETUPRecord, PAPERSIZE), 15},
    {"ENVELOPESIZE", FieldType::String, offsetof(SETUPRecord, ENVELOPESIZE), 15},
    {"REMOVERETURNADDRESS", FieldType::Byte, offsetof(SETUPRecord, REMOVERETURNADDRESS), 1},
    {"INVENTORYMARKUP", FieldType::Real, offsetof(SETUPRecord, INVENTORYMARKUP), 8},
    {"AUTOTAXITEM", FieldType::Byte, offsetof(SETUPRecord, AUTOTAXITEM), 1},
    {"CUSTOMERTAXRATE", FieldType::Real, offsetof(SETUPRecord, CUSTOMERTAXRATE), 8},
    {"PASSWORD", FieldType::String, offsetof(SETUPRecord, PASSWORD), 10},
    {"PASSWORDCHANGE", FieldType::Byte, offsetof(SETUPRecord, PASSWORDCHANGE), 1},
    {"PASSWORDDELETE", FieldType::Byte, offsetof(SETUPRecord, PASSWORDDELETE), 1},
    {"LOGOSIZE", FieldType::Byte, offsetof(SETUPRecord, LOGOSIZE), 1},
    {"RUNFIX", FieldType::Byte, offsetof(SETUPRecord, RUNFIX), 1},
    {"LABELLINE", FieldType::String, offsetof(SETUPRecord, LABELLINE), 40},
    {"TAXABLE", FieldType::Byte, offsetof(SETUPRecord, TAXABLE), 1},
    {"TAXSHIPPING", FieldType::Byte, offsetof(SETUPRecord, TAXSHIPPING), 1},
    {"PROHIBITESELLING", FieldType::Byte, offsetof(SETUPRecord, PROHIBITESELLING), 1},
    {"PRICE1", FieldType::String, offsetof(SETUPRecord, PRICE1), 10},
    {"PRICE2", FieldType::String, offsetof(SETUPRecord, PRICE2), 10},
    {"PRICE3", FieldType::String, offsetof(SETUPRecord, PRICE3), 10},
    {"REDLINEINVOICE", FieldType::Byte, offsetof(SETUPRecord, REDLINEINVOICE), 1},
    {"REDLINECUSTOMER", FieldType::Byte, offsetof(SETUPRecord, REDLINECUSTOMER), 1},
    {"REDLINEINVENTORY", FieldType::Byte, offsetof(SETUPRecord, REDLINEINVENTORY), 1},
    {"REDLINEPURCHASEORDER", FieldType::Byte, offsetof(SETUPRecord, REDLINEPURCHASEORDER), 1},
};
constexpr KeyDef setupKeys[] = {
    {"SET:RecordNo_Key", {{0, false}}, true, true, AutoNumber::None},
};

constexpr FieldDef totalinvFields[] = {
    {"RECORDNO", FieldType::Long, offsetof(TOTALINVRecord, RECORDNO), 4},
    {"COST", FieldType::Real, offsetof(TOTALINVRecord, COST), 8},
    {"RETAIL", FieldType::Real, offsetof(TOTALINVRecord, RETAIL), 8},
    {"DISCOUNT", FieldType::Real, offsetof(TOTALINVRecord, DISCOUNT), 8},
    {"COD", FieldType::Real, offsetof(TOTALINVRecord, COD), 8},
    {"SHIPPING", FieldType::Real, offsetof(TOTALINVRecord, SHIPPING), 8},
    {"TAX", FieldType::Real, offsetof(TOTALINVRecord, TAX), 8},
    {"LABOR", FieldType::Real, offsetof(TOTALINVRecord, LABOR), 8},
    {"TOTALDUE", FieldType::Real, offsetof(TOTALINVRecord, TOTALDUE), 8},
    {"GST", FieldType::Real, offsetof(TOTALINVRecord, GST), 8},
    {"DATE", FieldType::Long, offsetof(TOTALINVRecord, DATE), 4},
};
constexpr KeyDef totalinvKeys[] = {
    {"TOT:RecordNo_Key", {{0, false}}, true, true, AutoNumber::None},
};

constexpr FieldDef tagfile_Fields[] = {
    {"USR", FieldType::Long, offsetof(TAGFILE_Record, USR), 4},
    {"TBL", FieldType::Short, offsetof(TAGFILE_Record, TBL), 2},
    {"PTR", FieldType::Long, offsetof(TAGFILE_Record, PTR), 4},
    {"VAL", FieldType::String, offsetof(TAGFILE_Record, VAL), 10},
};
constexpr KeyDef tagfile_Keys[] = {
    {"TF_:PtrKey", {{0, false}, {1, false}, {2, false}}, true, true, AutoNumber::None},
    {"TF_:ValKey", {{0, false}, {1, false}, {3, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef tagfilepos_Fields[] = {
    {"USR", FieldType::Long, offsetof(TAGFILEPOS_Record, USR), 4},
    {"TBL", FieldType::Short, offsetof(TAGFILEPOS_Record, TBL), 2},
    {"POS", FieldType::String, offsetof(TAGFILEPOS_Record, POS), 256},
    {"VAL", FieldType::String, offsetof(TAGFILEPOS_Record, VAL), 10},
};
constexpr KeyDef tagfilepos_Keys[] = {
    {"TP_:PosKey", {{0, false}, {1, false}, {2, false}}, true, true, AutoNumber::None},
    {"TP_:ValKey", {{0, false}, {1, false}, {3, false}}, false, false, AutoNumber::None},
};

constexpr FieldDef tagset_Fields[] = {
    {"TBL", FieldType::Short, offsetof(TAGSET_Record, TBL), 2},
    {"USR", FieldType::Long, offsetof(TAGSET_Record, USR), 4},
    {"SOURCE", FieldType::String, offsetof(TAGSET_Record, SOURCE), 50},
    {"DATE", FieldType::Long, offsetof(TAGSET_Record, DATE), 4},
    {"COUNT", FieldType::Long, offsetof(TAGSET_Record, COUNT), 4},
    {"DESCRIPTION", FieldType::String, offsetof(TAGSET_Record, DESCRIPTION), 250},
};
constexpr KeyDef tagset_Keys[] = {
    {"TS_:TblKey", {{0, false}}, true, true, AutoNumber::None},
    {"TS_:UsrTblKey", {{1, false}, {0, false}}, false, false, AutoNumber::None},
    {"TS_:UsrSourceDateKey", {{1, false}, {2, false}, {3, false}}, false, false, AutoNumber::None},
};

} // namespace

const FileDef &fileDef(FileId id)
{
    static const FileDef defs[] = {
        {FileId::CUSTOMER, "CUSTOMER", "CUS", "data/customer.tps", sizeof(CUSTOMERRecord), nullptr,
         customerFields, customerKeys},
        {FileId::INVOICE, "INVOICE", "INV", "data/invoice.tps", sizeof(INVOICERecord), "MEMOS",
         invoiceFields, invoiceKeys},
        {FileId::DESCRIPTION, "DESCRIPTION", "DES", "data/descript.tps", sizeof(DESCRIPTIONRecord), nullptr,
         descriptionFields, descriptionKeys},
        {FileId::CREDIT, "CREDIT", "CRE", "data/credit.tps", sizeof(CREDITRecord), "MEMOS",
         creditFields, creditKeys},
        {FileId::CRSCRIPTION, "CRSCRIPTION", "CRS", "data/Crscript.tps", sizeof(CRSCRIPTIONRecord), nullptr,
         crscriptionFields, crscriptionKeys},
        {FileId::FINANCE, "FINANCE", "FIN", "data/finance.tps", sizeof(FINANCERecord), nullptr,
         financeFields, financeKeys},
        {FileId::STOCK, "STOCK", "STO", "data/stock.tps", sizeof(STOCKRecord), nullptr,
         stockFields, stockKeys},
        {FileId::SPECIAL, "SPECIAL", "SPE", "data/special.tps", sizeof(SPECIALRecord), nullptr,
         specialFields, specialKeys},
        {FileId::STSTREND, "STSTREND", "STS", "data/ststrend.tps", sizeof(STSTRENDRecord), nullptr,
         ststrendFields, ststrendKeys},
        {FileId::VENDOR, "VENDOR", "VEN", "data/vendor.tps", sizeof(VENDORRecord), nullptr,
         vendorFields, vendorKeys},
        {FileId::VENFIN, "VENFIN", "VEF", "data/venfin.tps", sizeof(VENFINRecord), nullptr,
         venfinFields, venfinKeys},
        {FileId::PURORDER, "PURORDER", "PUR", "data/purorder.tps", sizeof(PURORDERRecord), "MEMOS",
         purorderFields, purorderKeys},
        {FileId::PURDESCRIPTION, "PURDESCRIPTION", "PUD", "data/purdescr.tps", sizeof(PURDESCRIPTIONRecord), nullptr,
         purdescriptionFields, purdescriptionKeys},
        {FileId::MEMOS, "MEMOS", "MEM", "data/memos.tps", sizeof(MEMOSRecord), "MEMOS",
         memosFields, memosKeys},
        {FileId::SETUP, "SETUP", "SET", "data/setup.tps", sizeof(SETUPRecord), nullptr,
         setupFields, setupKeys},
        {FileId::TOTALINV, "TOTALINV", "TOT", "data/totalinv.tps", sizeof(TOTALINVRecord), nullptr,
         totalinvFields, totalinvKeys},
        {FileId::TAGFILE_, "TAGFILE_", "TF_", "data/tagfile_.tps", sizeof(TAGFILE_Record), nullptr,
         tagfile_Fields, tagfile_Keys},
        {FileId::TAGFILEPOS_, "TAGFILEPOS_", "TP_", "data/tagfilepos_.tps", sizeof(TAGFILEPOS_Record), nullptr,
         tagfilepos_Fields, tagfilepos_Keys},
        {FileId::TAGSET_, "TAGSET_", "TS_", "data/tagset_.tps", sizeof(TAGSET_Record), nullptr,
         tagset_Fields, tagset_Keys},
    };
    return defs[static_cast<int>(id)];
}

} // namespace dict

#include <cstring>
#include <strings.h>

namespace dict {

int FileDef::primaryKey() const
{
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i].primary)
            return static_cast<int>(i);
    return -1;
}

int FileDef::fieldIndex(const char *fieldName) const
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (strcasecmp(fields[i].name, fieldName) == 0)
            return static_cast<int>(i);
    return -1;
}

void clearRecord(const FileDef &def, void *record)
{
    auto *bytes = static_cast<char *>(record);
    std::memset(bytes, 0, def.recordSize);
    for (const FieldDef &f : def.fields)
        if (f.type == FieldType::String)
            std::memset(bytes + f.offset, ' ', f.size);
}

} // namespace dict
