// Record layouts of the data files: one packed struct per file, byte for byte as stored.
// Generated once from the file tables and maintained by hand since; keep the static_asserts.
#pragma once

#include "dictionary/fieldtypes.h"
#include "dictionary/fileid.h"

#include <cstddef>

namespace dict {

#pragma pack(push, 1)

// CUSTOMER: ".\data\customer.tps", 681 bytes.
struct CUSTOMERRecord {
    LONG RECORDNO; // record number
    String<10> CUSTOMERNO; // customer number
    String<15> LNAME; // last name
    String<10> FNAME; // first name
    String<40> COMPANY; // company name
    String<40> ADDRESS; // address line 1
    String<40> ADDRESS2; // address line 2
    String<40> ADDRESS3; // address line 3
    String<25> CITY; // city
    String<3> STATE; // state or province code
    String<15> COUNTRY; // country
    String<10> ZIPCODE; // postal code
    String<40> SADDRESS; // shipping address line 1
    String<40> SADDRESS2; // shipping address line 2
    String<40> SADDRESS3; // shipping address line 3
    String<25> SCITY; // shipping city
    String<3> SSTATE; // shipping state
    String<15> SCOUNTRY; // shipping country
    String<10> SZIPCODE; // shipping postal code
    BYTE SAMEADDRESS; // shipping-same-as-billing flag
    REAL TAXAMOUNT; // customer tax rate
    String<20> TAXNUMBER; // tax (resale) number
    String<15> PHONENO; // telephone number
    String<15> FAXNO; // fax number
    BYTE LONGDISTANCE; // long-distance flag
    REAL CUSTOMERDISCOUNT; // discount (percent)
    String<50> COMMENTS; // comments
    String<35> EMAILADDRESS; // e-mail address
    String<40> BANK; // bank name
    String<20> BANKACCOUNTNO; // bank account number
    String<19> CREDITCARDNO; // credit card number
    String<5> CREDITCARDDATE; // card expiry, mm/yy
    String<10> TERMS; // payment terms
    REAL BALANCE; // outstanding balance
    BYTE FINANCEPRESENT; // payment-history flag
};

// INVOICE: ".\data\invoice.tps", 404 bytes.
struct INVOICERecord {
    LONG RECORDNO; // record number
    LONG INVOICENO; // invoice number
    String<10> CUSTOMERNO; // customer number
    String<15> PONUMBER; // customer purchase order number
    SHORT MONTH; // month number 1-12 of DATE
    LONG DATE; // date (day number)
    String<10> TERMS; // payment terms
    LONG CHECKNO; // cheque number
    String<40> BANK; // bank name
    String<19> CREDITCARDNO; // credit card number
    String<5> CREDITCARDDATE; // card expiry, mm/yy
    LONG CREDITCARDAUTHORIZENO; // card authorisation number
    String<20> MONEYORDERNO; // money order number
    REAL CUSTOMERDISCOUNT; // discount (percent)
    REAL AMOUNT; // line or document amount
    REAL TAX; // sales tax amount
    REAL TAXRATE; // sales tax rate used
    REAL GST; // goods-and-services tax amount
    REAL GSTTAXRATE; // GST rate used
    REAL LABOR; // labour amount
    REAL LABORRATE; // labour rate per hour
    REAL COST; // unit cost
    REAL RETAIL; // retail total
    REAL TOTALDISCOUNT; // total discount
    BYTE LINEITEMDISCOUNT; // line discount
    REAL AMOUNTPAID; // amount paid
    REAL TOTALDUE; // total due
    LONG DATEPAID; // date paid
    REAL AMOUNTOWED; // amount still owed
    REAL SHIPPING; // shipping charge
    String<10> SHIPPINGMETHOD; // shipping method
    String<20> SHIPPINGTRACKINGNO; // tracking number
    LONG SHIPPINGDATE; // shipping date
    BYTE TAXSHIPPING; // 1 = shipping is taxed
    REAL SHIPPINGTAX; // tax on shipping
    REAL COD; // cash-on-delivery charge
    String<8> PAYMENTTERMS; // payment method
    String<1> PRINTED; // printed marker
    String<15> SALESMAN; // salesperson
    REAL WEIGHT; // weight
    BYTE QUOTES; // 1 = quote, 0 = invoice
    BYTE CREDITCHECK; // credit-check flag
    BYTE REBILL; // 1 = recurring (re-billed)
    BYTE CHECKINVOICE; // check flag
    String<1> REBILLCYCLE; // re-bill cycle code ("M" monthly, "Q" quarterly, "S" semi-annual, "A" annual)
    String<50> TAXINFO; // tax description printed on the document
};

// DESCRIPTION: ".\data\descript.tps", 422 bytes.
struct DESCRIPTIONRecord {
    LONG INVOICENO; // invoice number
    LONG RECORDNO; // record number
    String<15> PONUMBER; // customer purchase order number
    LONG ITEMNO; // line number within the document
    String<10> CUSTOMERNO; // customer number
    BYTE LABORBUTTON; // 1 = line is labour
    String<10> CATAGORY; // stock category
    String<200> DESCRIPTION; // description
    REAL QUANTITY; // quantity
    String<10> PACKAGESIZE; // package size / unit
    REAL COST; // unit cost
    REAL AMOUNTCOST; // line cost (quantity × cost)
    BYTE PRICEOPTION; // price level chosen (1-3)
    REAL PRICE; // unit price
    REAL PRICE1; // price level 1
    REAL PRICE2; // price level 2
    REAL PRICE3; // price level 3
    REAL AMOUNT; // line or document amount
    REAL LINEITEMDISCOUNT; // line discount
    REAL DISCOUNTAMOUNT; // discount amount
    REAL TAX; // sales tax amount
    REAL GST; // goods-and-services tax amount
    REAL LABOR; // labour amount
    String<20> STOCKNO; // stock number
    LONG DATE; // date (day number)
    SHORT MONTH; // month number 1-12 of DATE
    BYTE TAXABLE; // 1 = subject to sales tax
    BYTE GSTTAXABLE; // 1 = subject to GST
    REAL WEIGHT; // weight
    String<10> LOCATION; // storage location
    BYTE BACKORDER; // 1 = line back-ordered
    LONG DELIVERYDATE; // expected delivery date
    REAL AMOUNTBACKORDERED; // quantity back-ordered
};

// CREDIT: ".\data\credit.tps", 218 bytes.
struct CREDITRecord {
    LONG RECORDNO; // record number
    LONG CREDITMEMONO; // credit memo number
    LONG INVOICENO; // invoice number
    String<10> CUSTOMERNO; // customer number
    String<15> PONUMBER; // customer purchase order number
    SHORT MONTH; // month number 1-12 of DATE
    LONG DATE; // date (day number)
    REAL CUSTOMERDISCOUNT; // discount (percent)
    REAL AMOUNT; // line or document amount
    REAL TAX; // sales tax amount
    REAL TAXRATE; // sales tax rate used
    REAL GST; // goods-and-services tax amount
    REAL GSTTAXRATE; // GST rate used
    REAL LABOR; // labour amount
    REAL LABORRATE; // labour rate per hour
    REAL COST; // unit cost
    REAL RETAIL; // retail total
    REAL TOTALDISCOUNT; // total discount
    BYTE LINEITEMDISCOUNT; // line discount
    REAL TOTALDUE; // total due
    LONG DATEPAID; // date paid
    REAL SHIPPING; // shipping charge
    String<1> PRINTED; // printed marker
    String<15> SALESMAN; // salesperson
    String<50> TAXINFO; // tax description printed on the document
};

// CRSCRIPTION: ".\data\Crscript.tps", 376 bytes.
struct CRSCRIPTIONRecord {
    LONG CREDITMEMONO; // credit memo number
    LONG RECORDNO; // record number
    LONG ITEMNO; // line number within the document
    String<10> CUSTOMERNO; // customer number
    BYTE LABORBUTTON; // 1 = line is labour
    String<10> CATAGORY; // stock category
    String<200> DESCRIPTION; // description
    REAL QUANTITY; // quantity
    String<10> PACKAGESIZE; // package size / unit
    REAL COST; // unit cost
    REAL AMOUNTCOST; // line cost (quantity × cost)
    REAL PRICE; // unit price
    BYTE PRICEOPTION; // price level chosen (1-3)
    REAL PRICE1; // price level 1
    REAL PRICE2; // price level 2
    REAL AMOUNT; // line or document amount
    REAL LINEITEMDESCRIPTION; // line discount rate
    REAL DISCOUNTAMOUNT; // discount amount
    REAL TAX; // sales tax amount
    REAL GST; // goods-and-services tax amount
    BYTE TAXABLE; // 1 = subject to sales tax
    BYTE GSTTAXABLE; // 1 = subject to GST
    REAL LABOR; // labour amount
    String<20> STOCKNO; // stock number
    LONG DATE; // date (day number)
    SHORT MONTH; // month number 1-12 of DATE
    REAL WEIGHT; // weight
};

// FINANCE: ".\data\finance.tps", 161 bytes.
struct FINANCERecord {
    LONG RECORDNO; // record number
    String<10> CUSTOMERNO; // customer number
    LONG INVOICENO; // invoice number
    LONG CREDITMEMONO; // credit memo number
    LONG DATE; // date (day number)
    String<10> TERMS; // payment terms
    String<20> MONEYORDERNO; // money order number
    LONG CHECKNO; // cheque number
    String<40> BANK; // bank name
    String<19> CREDITCARDNO; // credit card number
    String<5> CREDITCARDDATE; // card expiry, mm/yy
    LONG CREDITCARDAUTHORIZENO; // card authorisation number
    REAL INVOICETOTAL; // invoice total
    REAL AMOUNTDUE; // amount due
    REAL AMOUNTPAID; // amount paid
    String<8> PAYMENTTERMS; // payment method
    BYTE CHECKINVOICE; // check flag
};

// STOCK: ".\data\stock.tps", 466 bytes.
struct STOCKRecord {
    LONG RECORDNO; // record number
    String<20> STOCKNO; // stock number
    String<20> PARTNO; // part number
    String<20> MANUFACTUR; // manufacturer
    String<20> VENDOR; // vendor name
    String<20> ACCOUNTNO; // vendor account number
    String<200> DESCRIPTION; // description
    String<10> CATAGORY; // stock category
    String<10> PACKAGESIZE; // package size / unit
    REAL AMOUNTINSTOCK; // quantity on hand
    REAL MINAMOUNT; // re-order level
    REAL MAXAMOUNT; // maximum stock level
    String<10> LOCATION; // storage location
    BYTE INVENTORYMARKUP; // use-global-mark-up flag
    REAL COST; // unit cost
    REAL RETAIL; // retail total
    REAL RETAIL2; // price level 2
    REAL RETAIL3; // price level 3
    BYTE TAXABLE; // 1 = subject to sales tax
    BYTE GST; // goods-and-services tax amount
    REAL WEIGHT; // weight
    LONG BACKORDERDATE; // back-order date
    BYTE BACKORDERED; // 1 = back-ordered
    REAL AMOUNTBACKORDERED; // quantity back-ordered
    String<1> SPECIALITEM; // special-item marker (item has components in SPECIAL)
    String<50> ITEMPICTURE; // picture file name
    String<1> PICTURE; // picture marker
};

// SPECIAL: ".\data\special.tps", 168 bytes.
struct SPECIALRecord {
    LONG RECORDNO; // record number
    String<20> STOCKNO; // stock number
    String<20> STOCKNO1; // component stock number
    String<100> DESCRIPTION; // description
    REAL AMOUNT; // line or document amount
    REAL COST; // unit cost
    REAL SINGLECOST; // component unit cost
};

// STSTREND: ".\data\ststrend.tps", 58 bytes.
struct STSTRENDRecord {
    LONG RECORDNO; // record number
    String<20> STOCKNO; // stock number
    String<20> PARTNO; // part number
    LONG DATERECEIVED; // date received
    SHORT MONTH; // month number 1-12 of DATE
    REAL AMOUNTRECEIVED; // quantity received
};

// VENDOR: ".\data\vendor.tps", 367 bytes.
struct VENDORRecord {
    LONG RECORDNO; // record number
    String<20> ACCOUNTNO; // vendor account number
    String<15> LNAME; // last name
    String<10> FNAME; // first name
    String<20> VENDOR; // vendor name
    String<40> ADDRESS; // address line 1
    String<40> ADDRESS2; // address line 2
    String<40> ADDRESS3; // address line 3
    String<25> CITY; // city
    String<3> STATE; // state or province code
    String<15> COUNTRY; // country
    String<10> ZIPCODE; // postal code
    String<15> PHONENO; // telephone number
    String<15> FAXNO; // fax number
    BYTE LONGDISTANCE; // long-distance flag
    REAL BALANCE; // outstanding balance
    String<50> COMMENTS; // comments
    String<35> EMAILADDRESS; // e-mail address
    BYTE FINANCEPRESENT; // payment-history flag
};

// VENFIN: ".\data\venfin.tps", 166 bytes.
struct VENFINRecord {
    LONG RECORDNO; // record number
    String<20> ACCOUNTNO; // vendor account number
    LONG PORDERNO; // purchase order number
    LONG DATE; // date (day number)
    String<10> TERMS; // payment terms
    String<20> MONEYORDERNO; // money order number
    LONG CHECKNO; // cheque number
    String<40> BANK; // bank name
    String<19> CREDITCARDNO; // credit card number
    String<5> CREDITCARDDATE; // card expiry, mm/yy
    LONG CREDITCARDAUTHORIZENO; // card authorisation number
    REAL AMOUNTTOTAL; // document total
    REAL AMOUNTDUE; // amount due
    REAL AMOUNTPAID; // amount paid
    String<8> PAYMENTTERMS; // payment method
};

// PURORDER: ".\data\purorder.tps", 372 bytes.
struct PURORDERRecord {
    LONG RECORDNO; // record number
    LONG PORDERNO; // purchase order number
    String<20> ACCOUNTNO; // vendor account number
    String<20> VENDOR; // vendor name
    SHORT MONTH; // month number 1-12 of DATE
    LONG DATE; // date (day number)
    String<10> TERMS; // payment terms
    LONG CHECKNO; // cheque number
    String<40> BANK; // bank name
    String<19> CREDITCARDNO; // credit card number
    String<5> CREDITCARDDATE; // card expiry, mm/yy
    LONG CREDITCARDAUTHORIZENO; // card authorisation number
    String<20> MONEYORDERNO; // money order number
    REAL CUSTOMERDISCOUNT; // discount (percent)
    REAL AMOUNT; // line or document amount
    REAL TAX; // sales tax amount
    REAL GST; // goods-and-services tax amount
    REAL LABOR; // labour amount
    REAL COST; // unit cost
    REAL RETAIL; // retail total
    REAL TOTALDISCOUNT; // total discount
    REAL AMOUNTPAID; // amount paid
    REAL TOTALDUE; // total due
    LONG DATEPAID; // date paid
    REAL AMOUNTOWED; // amount still owed
    REAL SHIPPING; // shipping charge
    String<10> SHIPPINGMETHOD; // shipping method
    String<20> SHIPPINGTRACKINGNO; // tracking number
    LONG SHIPPINGDATE; // shipping date
    BYTE TAXSHIPPING; // 1 = shipping is taxed
    REAL SHIPPINGTAX; // tax on shipping
    REAL COD; // cash-on-delivery charge
    String<8> PAYMENTTERMS; // payment method
    String<1> PRINTED; // printed marker
    BYTE CREDITCHECK; // credit-check flag
    String<50> TAXINFO; // tax description printed on the document
    LONG DATERECVEIVED; // date received
    BYTE REBILL; // 1 = recurring (re-billed)
};

// PURDESCRIPTION: ".\data\purdescr.tps", 382 bytes.
struct PURDESCRIPTIONRecord {
    LONG PURORDERNO; // purchase order number
    LONG RECORDNO; // record number
    LONG ITEMNO; // line number within the document
    String<20> VENDOR; // vendor name
    String<10> CATAGORY; // stock category
    String<200> DESCRIPTION; // description
    REAL QUANTITY; // quantity
    String<10> PACKAGESIZE; // package size / unit
    REAL COST; // unit cost
    REAL AMOUNTCOST; // line cost (quantity × cost)
    REAL AMOUNT; // line or document amount
    REAL DISCOUNTAMOUNT; // discount amount
    REAL TAX; // sales tax amount
    REAL GST; // goods-and-services tax amount
    REAL LABOR; // labour amount
    String<20> STOCKNO; // stock number
    String<20> PARTNO; // part number
    LONG DATE; // date (day number)
    SHORT MONTH; // month number 1-12 of DATE
    BYTE TAXABLE; // 1 = subject to sales tax
    BYTE GSTTAXABLE; // 1 = subject to GST
    REAL WEIGHT; // weight
    String<10> LOCATION; // storage location
};

// MEMOS: ".\data\memos.tps", 54 bytes.
struct MEMOSRecord {
    LONG RECORDNO; // record number
    String<50> TITLE; // memo title
};

// SETUP: ".\data\setup.tps", 646 bytes.
struct SETUPRecord {
    BYTE RECORDNO; // record number
    LONG DATE; // date the setup record was created
    String<40> COMPANYNAME; // company name
    String<40> ADDRESS; // address line 1
    String<40> ADDRESS2; // address line 2
    String<40> ADDRESS3; // address line 3
    String<25> CITY; // city
    String<3> STATE; // state or province code
    String<15> COUNTRY; // country
    String<10> ZIPCODE; // postal code
    String<15> PHONENO; // telephone number
    String<15> FAXNO; // fax number
    String<20> TAXNUMBER; // tax (resale) number
    REAL LABORRATE; // default labour rate
    BYTE CANADIAN; // tax system: 1 Canadian (GST/PST), 2 European (VAT), 3 United States (TAX), 4 International (GST)
    REAL GST; // GST rate (percent)
    String<20> GSTNUMBER; // GST registration number
    BYTE PRINTPREVIEW; // 1 = preview all reports before printing
    BYTE PRINTINVOICE; // 1 = print invoices, credit memos and purchase orders automatically
    BYTE PRINTCHOICE; // 1 = documents are printed on pre-printed forms
    BYTE PRINTSHIPPING; // 1 = print the shipping address on documents
    String<50> REPORTMEMO; // report memo text
    BYTE SORTORDER; // sort-order option
    String<15> LASTNAME; // user last name
    String<10> FIRSTNAME; // user first name
    LONG RESERVED1; // reserved; written as 0
    BYTE RESERVED2; // reserved; written as 0
    String<50> NETWORKPATH; // file name of the logo picture for documents
    BYTE PRINTMEMOTOPBOTTOM; // memo position option
    BYTE PICKLIST; // 1 = print a pick list with each invoice
    SHORT LABELTYPE; // customer address label stock: 4144, 8160 or 8161
    SHORT LABEL1TYPE; // customer shipping label stock: 8163 or 8164
    String<5> DATENAME; // date picture: "@d2b" (mm/dd/yyyy), "@d6b" (dd/mm/yyyy) or "@d10b" (yyyy/mm/dd)
    BYTE CURRENCYTYPE; // money display format 1-12
    String<35> EMAILADDRESS; // e-mail address
    String<20> COMPANYHEADER; // company header text
    String<15> PAPERSIZE; // paper size name: "PAPER:LETTER", "PAPER:A4" or "PAPER:A4SMALL"
    String<15> ENVELOPESIZE; // envelope size name: "PAPER:ENV_10", "PAPER:ENV_11" or "PAPER:ENV_DL"
    BYTE REMOVERETURNADDRESS; // 1 = print the return address on envelopes
    REAL INVENTORYMARKUP; // global mark-up (percent)
    BYTE AUTOTAXITEM; // 1 = tax all inventory items
    REAL CUSTOMERTAXRATE; // global customer tax rate
    String<10> PASSWORD; // password
    BYTE PASSWORDCHANGE; // 1 = password guards changes
    BYTE PASSWORDDELETE; // 1 = password guards deletes
    BYTE LOGOSIZE; // logo orientation (1 or 2)
    BYTE RUNFIX; // one-time fix marker
    String<40> LABELLINE; // note line printed on documents
    BYTE TAXABLE; // 1 = labour is taxed
    BYTE TAXSHIPPING; // 1 = shipping charges are taxed
    BYTE PROHIBITESELLING; // 1 = prohibit selling items below the minimum on hand
    String<10> PRICE1; // heading of price level 1
    String<10> PRICE2; // heading of price level 2
    String<10> PRICE3; // heading of price level 3
    BYTE REDLINEINVOICE; // 1 = red-line overdue invoices
    BYTE REDLINECUSTOMER; // 1 = red-line open customer accounts
    BYTE REDLINEINVENTORY; // 1 = red-line inventory at or below the minimum on hand
    BYTE REDLINEPURCHASEORDER; // 1 = red-line unpaid purchase orders
};

// TOTALINV: ".\data\totalinv.tps", 80 bytes.
struct TOTALINVRecord {
    LONG RECORDNO; // record number
    REAL COST; // cost total
    REAL RETAIL; // retail total
    REAL DISCOUNT; // discount total
    REAL COD; // COD total
    REAL SHIPPING; // shipping total
    REAL TAX; // tax total
    REAL LABOR; // labour total
    REAL TOTALDUE; // total due
    REAL GST; // GST total
    LONG DATE; // date
};

// TAGFILE_: ".\data\tagfile_.tps", 20 bytes.
struct TAGFILE_Record {
    LONG USR; // owner of the tag
    SHORT TBL; // tag table number
    LONG PTR; // number of the tagged record
    String<10> VAL; // tag value
};

// TAGFILEPOS_: ".\data\tagfilepos_.tps", 272 bytes.
struct TAGFILEPOS_Record {
    LONG USR; // owner of the tag
    SHORT TBL; // tag table number
    String<256> POS; // key value or position of the tagged record
    String<10> VAL; // tag value
};

// TAGSET_: ".\data\tagset_.tps", 314 bytes.
struct TAGSET_Record {
    SHORT TBL; // tag table number
    LONG USR; // owner of the tag
    String<50> SOURCE; // source of the saved set
    LONG DATE; // date (day number)
    LONG COUNT; // number of tags in the set
    String<250> DESCRIPTION; // description
};

#pragma pack(pop)

// Standard-layout checks: offsetof on packed structs is well defined for these.
static_assert(offsetof(CUSTOMERRecord, RECORDNO) == 0);
static_assert(offsetof(CUSTOMERRecord, CUSTOMERNO) == 4);
static_assert(offsetof(CUSTOMERRecord, LNAME) == 14);
static_assert(offsetof(CUSTOMERRecord, FNAME) == 29);
static_assert(offsetof(CUSTOMERRecord, COMPANY) == 39);
static_assert(offsetof(CUSTOMERRecord, ADDRESS) == 79);
static_assert(offsetof(CUSTOMERRecord, ADDRESS2) == 119);
static_assert(offsetof(CUSTOMERRecord, ADDRESS3) == 159);
static_assert(offsetof(CUSTOMERRecord, CITY) == 199);
static_assert(offsetof(CUSTOMERRecord, STATE) == 224);
static_assert(offsetof(CUSTOMERRecord, COUNTRY) == 227);
static_assert(offsetof(CUSTOMERRecord, ZIPCODE) == 242);
static_assert(offsetof(CUSTOMERRecord, SADDRESS) == 252);
static_assert(offsetof(CUSTOMERRecord, SADDRESS2) == 292);
static_assert(offsetof(CUSTOMERRecord, SADDRESS3) == 332);
static_assert(offsetof(CUSTOMERRecord, SCITY) == 372);
static_assert(offsetof(CUSTOMERRecord, SSTATE) == 397);
static_assert(offsetof(CUSTOMERRecord, SCOUNTRY) == 400);
static_assert(offsetof(CUSTOMERRecord, SZIPCODE) == 415);
static_assert(offsetof(CUSTOMERRecord, SAMEADDRESS) == 425);
static_assert(offsetof(CUSTOMERRecord, TAXAMOUNT) == 426);
static_assert(offsetof(CUSTOMERRecord, TAXNUMBER) == 434);
static_assert(offsetof(CUSTOMERRecord, PHONENO) == 454);
static_assert(offsetof(CUSTOMERRecord, FAXNO) == 469);
static_assert(offsetof(CUSTOMERRecord, LONGDISTANCE) == 484);
static_assert(offsetof(CUSTOMERRecord, CUSTOMERDISCOUNT) == 485);
static_assert(offsetof(CUSTOMERRecord, COMMENTS) == 493);
static_assert(offsetof(CUSTOMERRecord, EMAILADDRESS) == 543);
static_assert(offsetof(CUSTOMERRecord, BANK) == 578);
static_assert(offsetof(CUSTOMERRecord, BANKACCOUNTNO) == 618);
static_assert(offsetof(CUSTOMERRecord, CREDITCARDNO) == 638);
static_assert(offsetof(CUSTOMERRecord, CREDITCARDDATE) == 657);
static_assert(offsetof(CUSTOMERRecord, TERMS) == 662);
static_assert(offsetof(CUSTOMERRecord, BALANCE) == 672);
static_assert(offsetof(CUSTOMERRecord, FINANCEPRESENT) == 680);
static_assert(sizeof(CUSTOMERRecord) == 681);
static_assert(offsetof(INVOICERecord, RECORDNO) == 0);
static_assert(offsetof(INVOICERecord, INVOICENO) == 4);
static_assert(offsetof(INVOICERecord, CUSTOMERNO) == 8);
static_assert(offsetof(INVOICERecord, PONUMBER) == 18);
static_assert(offsetof(INVOICERecord, MONTH) == 33);
static_assert(offsetof(INVOICERecord, DATE) == 35);
static_assert(offsetof(INVOICERecord, TERMS) == 39);
static_assert(offsetof(INVOICERecord, CHECKNO) == 49);
static_assert(offsetof(INVOICERecord, BANK) == 53);
static_assert(offsetof(INVOICERecord, CREDITCARDNO) == 93);
static_assert(offsetof(INVOICERecord, CREDITCARDDATE) == 112);
static_assert(offsetof(INVOICERecord, CREDITCARDAUTHORIZENO) == 117);
static_assert(offsetof(INVOICERecord, MONEYORDERNO) == 121);
static_assert(offsetof(INVOICERecord, CUSTOMERDISCOUNT) == 141);
static_assert(offsetof(INVOICERecord, AMOUNT) == 149);
static_assert(offsetof(INVOICERecord, TAX) == 157);
static_assert(offsetof(INVOICERecord, TAXRATE) == 165);
static_assert(offsetof(INVOICERecord, GST) == 173);
static_assert(offsetof(INVOICERecord, GSTTAXRATE) == 181);
static_assert(offsetof(INVOICERecord, LABOR) == 189);
static_assert(offsetof(INVOICERecord, LABORRATE) == 197);
static_assert(offsetof(INVOICERecord, COST) == 205);
static_assert(offsetof(INVOICERecord, RETAIL) == 213);
static_assert(offsetof(INVOICERecord, TOTALDISCOUNT) == 221);
static_assert(offsetof(INVOICERecord, LINEITEMDISCOUNT) == 229);
static_assert(offsetof(INVOICERecord, AMOUNTPAID) == 230);
static_assert(offsetof(INVOICERecord, TOTALDUE) == 238);
static_assert(offsetof(INVOICERecord, DATEPAID) == 246);
static_assert(offsetof(INVOICERecord, AMOUNTOWED) == 250);
static_assert(offsetof(INVOICERecord, SHIPPING) == 258);
static_assert(offsetof(INVOICERecord, SHIPPINGMETHOD) == 266);
static_assert(offsetof(INVOICERecord, SHIPPINGTRACKINGNO) == 276);
static_assert(offsetof(INVOICERecord, SHIPPINGDATE) == 296);
static_assert(offsetof(INVOICERecord, TAXSHIPPING) == 300);
static_assert(offsetof(INVOICERecord, SHIPPINGTAX) == 301);
static_assert(offsetof(INVOICERecord, COD) == 309);
static_assert(offsetof(INVOICERecord, PAYMENTTERMS) == 317);
static_assert(offsetof(INVOICERecord, PRINTED) == 325);
static_assert(offsetof(INVOICERecord, SALESMAN) == 326);
static_assert(offsetof(INVOICERecord, WEIGHT) == 341);
static_assert(offsetof(INVOICERecord, QUOTES) == 349);
static_assert(offsetof(INVOICERecord, CREDITCHECK) == 350);
static_assert(offsetof(INVOICERecord, REBILL) == 351);
static_assert(offsetof(INVOICERecord, CHECKINVOICE) == 352);
static_assert(offsetof(INVOICERecord, REBILLCYCLE) == 353);
static_assert(offsetof(INVOICERecord, TAXINFO) == 354);
static_assert(sizeof(INVOICERecord) == 404);
static_assert(offsetof(DESCRIPTIONRecord, INVOICENO) == 0);
static_assert(offsetof(DESCRIPTIONRecord, RECORDNO) == 4);
static_assert(offsetof(DESCRIPTIONRecord, PONUMBER) == 8);
static_assert(offsetof(DESCRIPTIONRecord, ITEMNO) == 23);
static_assert(offsetof(DESCRIPTIONRecord, CUSTOMERNO) == 27);
static_assert(offsetof(DESCRIPTIONRecord, LABORBUTTON) == 37);
static_assert(offsetof(DESCRIPTIONRecord, CATAGORY) == 38);
static_assert(offsetof(DESCRIPTIONRecord, DESCRIPTION) == 48);
static_assert(offsetof(DESCRIPTIONRecord, QUANTITY) == 248);
static_assert(offsetof(DESCRIPTIONRecord, PACKAGESIZE) == 256);
static_assert(offsetof(DESCRIPTIONRecord, COST) == 266);
static_assert(offsetof(DESCRIPTIONRecord, AMOUNTCOST) == 274);
static_assert(offsetof(DESCRIPTIONRecord, PRICEOPTION) == 282);
static_assert(offsetof(DESCRIPTIONRecord, PRICE) == 283);
static_assert(offsetof(DESCRIPTIONRecord, PRICE1) == 291);
static_assert(offsetof(DESCRIPTIONRecord, PRICE2) == 299);
static_assert(offsetof(DESCRIPTIONRecord, PRICE3) == 307);
static_assert(offsetof(DESCRIPTIONRecord, AMOUNT) == 315);
static_assert(offsetof(DESCRIPTIONRecord, LINEITEMDISCOUNT) == 323);
static_assert(offsetof(DESCRIPTIONRecord, DISCOUNTAMOUNT) == 331);
static_assert(offsetof(DESCRIPTIONRecord, TAX) == 339);
static_assert(offsetof(DESCRIPTIONRecord, GST) == 347);
static_assert(offsetof(DESCRIPTIONRecord, LABOR) == 355);
static_assert(offsetof(DESCRIPTIONRecord, STOCKNO) == 363);
static_assert(offsetof(DESCRIPTIONRecord, DATE) == 383);
static_assert(offsetof(DESCRIPTIONRecord, MONTH) == 387);
static_assert(offsetof(DESCRIPTIONRecord, TAXABLE) == 389);
static_assert(offsetof(DESCRIPTIONRecord, GSTTAXABLE) == 390);
static_assert(offsetof(DESCRIPTIONRecord, WEIGHT) == 391);
static_assert(offsetof(DESCRIPTIONRecord, LOCATION) == 399);
static_assert(offsetof(DESCRIPTIONRecord, BACKORDER) == 409);
static_assert(offsetof(DESCRIPTIONRecord, DELIVERYDATE) == 410);
static_assert(offsetof(DESCRIPTIONRecord, AMOUNTBACKORDERED) == 414);
static_assert(sizeof(DESCRIPTIONRecord) == 422);
static_assert(offsetof(CREDITRecord, RECORDNO) == 0);
static_assert(offsetof(CREDITRecord, CREDITMEMONO) == 4);
static_assert(offsetof(CREDITRecord, INVOICENO) == 8);
static_assert(offsetof(CREDITRecord, CUSTOMERNO) == 12);
static_assert(offsetof(CREDITRecord, PONUMBER) == 22);
static_assert(offsetof(CREDITRecord, MONTH) == 37);
static_assert(offsetof(CREDITRecord, DATE) == 39);
static_assert(offsetof(CREDITRecord, CUSTOMERDISCOUNT) == 43);
static_assert(offsetof(CREDITRecord, AMOUNT) == 51);
static_assert(offsetof(CREDITRecord, TAX) == 59);
static_assert(offsetof(CREDITRecord, TAXRATE) == 67);
static_assert(offsetof(CREDITRecord, GST) == 75);
static_assert(offsetof(CREDITRecord, GSTTAXRATE) == 83);
static_assert(offsetof(CREDITRecord, LABOR) == 91);
static_assert(offsetof(CREDITRecord, LABORRATE) == 99);
static_assert(offsetof(CREDITRecord, COST) == 107);
static_assert(offsetof(CREDITRecord, RETAIL) == 115);
static_assert(offsetof(CREDITRecord, TOTALDISCOUNT) == 123);
static_assert(offsetof(CREDITRecord, LINEITEMDISCOUNT) == 131);
static_assert(offsetof(CREDITRecord, TOTALDUE) == 132);
static_assert(offsetof(CREDITRecord, DATEPAID) == 140);
static_assert(offsetof(CREDITRecord, SHIPPING) == 144);
static_assert(offsetof(CREDITRecord, PRINTED) == 152);
static_assert(offsetof(CREDITRecord, SALESMAN) == 153);
static_assert(offsetof(CREDITRecord, TAXINFO) == 168);
static_assert(sizeof(CREDITRecord) == 218);
static_assert(offsetof(CRSCRIPTIONRecord, CREDITMEMONO) == 0);
static_assert(offsetof(CRSCRIPTIONRecord, RECORDNO) == 4);
static_assert(offsetof(CRSCRIPTIONRecord, ITEMNO) == 8);
static_assert(offsetof(CRSCRIPTIONRecord, CUSTOMERNO) == 12);
static_assert(offsetof(CRSCRIPTIONRecord, LABORBUTTON) == 22);
static_assert(offsetof(CRSCRIPTIONRecord, CATAGORY) == 23);
static_assert(offsetof(CRSCRIPTIONRecord, DESCRIPTION) == 33);
static_assert(offsetof(CRSCRIPTIONRecord, QUANTITY) == 233);
static_assert(offsetof(CRSCRIPTIONRecord, PACKAGESIZE) == 241);
static_assert(offsetof(CRSCRIPTIONRecord, COST) == 251);
static_assert(offsetof(CRSCRIPTIONRecord, AMOUNTCOST) == 259);
static_assert(offsetof(CRSCRIPTIONRecord, PRICE) == 267);
static_assert(offsetof(CRSCRIPTIONRecord, PRICEOPTION) == 275);
static_assert(offsetof(CRSCRIPTIONRecord, PRICE1) == 276);
static_assert(offsetof(CRSCRIPTIONRecord, PRICE2) == 284);
static_assert(offsetof(CRSCRIPTIONRecord, AMOUNT) == 292);
static_assert(offsetof(CRSCRIPTIONRecord, LINEITEMDESCRIPTION) == 300);
static_assert(offsetof(CRSCRIPTIONRecord, DISCOUNTAMOUNT) == 308);
static_assert(offsetof(CRSCRIPTIONRecord, TAX) == 316);
static_assert(offsetof(CRSCRIPTIONRecord, GST) == 324);
static_assert(offsetof(CRSCRIPTIONRecord, TAXABLE) == 332);
static_assert(offsetof(CRSCRIPTIONRecord, GSTTAXABLE) == 333);
static_assert(offsetof(CRSCRIPTIONRecord, LABOR) == 334);
static_assert(offsetof(CRSCRIPTIONRecord, STOCKNO) == 342);
static_assert(offsetof(CRSCRIPTIONRecord, DATE) == 362);
static_assert(offsetof(CRSCRIPTIONRecord, MONTH) == 366);
static_assert(offsetof(CRSCRIPTIONRecord, WEIGHT) == 368);
static_assert(sizeof(CRSCRIPTIONRecord) == 376);
static_assert(offsetof(FINANCERecord, RECORDNO) == 0);
static_assert(offsetof(FINANCERecord, CUSTOMERNO) == 4);
static_assert(offsetof(FINANCERecord, INVOICENO) == 14);
static_assert(offsetof(FINANCERecord, CREDITMEMONO) == 18);
static_assert(offsetof(FINANCERecord, DATE) == 22);
static_assert(offsetof(FINANCERecord, TERMS) == 26);
static_assert(offsetof(FINANCERecord, MONEYORDERNO) == 36);
static_assert(offsetof(FINANCERecord, CHECKNO) == 56);
static_assert(offsetof(FINANCERecord, BANK) == 60);
static_assert(offsetof(FINANCERecord, CREDITCARDNO) == 100);
static_assert(offsetof(FINANCERecord, CREDITCARDDATE) == 119);
static_assert(offsetof(FINANCERecord, CREDITCARDAUTHORIZENO) == 124);
static_assert(offsetof(FINANCERecord, INVOICETOTAL) == 128);
static_assert(offsetof(FINANCERecord, AMOUNTDUE) == 136);
static_assert(offsetof(FINANCERecord, AMOUNTPAID) == 144);
static_assert(offsetof(FINANCERecord, PAYMENTTERMS) == 152);
static_assert(offsetof(FINANCERecord, CHECKINVOICE) == 160);
static_assert(sizeof(FINANCERecord) == 161);
static_assert(offsetof(STOCKRecord, RECORDNO) == 0);
static_assert(offsetof(STOCKRecord, STOCKNO) == 4);
static_assert(offsetof(STOCKRecord, PARTNO) == 24);
static_assert(offsetof(STOCKRecord, MANUFACTUR) == 44);
static_assert(offsetof(STOCKRecord, VENDOR) == 64);
static_assert(offsetof(STOCKRecord, ACCOUNTNO) == 84);
static_assert(offsetof(STOCKRecord, DESCRIPTION) == 104);
static_assert(offsetof(STOCKRecord, CATAGORY) == 304);
static_assert(offsetof(STOCKRecord, PACKAGESIZE) == 314);
static_assert(offsetof(STOCKRecord, AMOUNTINSTOCK) == 324);
static_assert(offsetof(STOCKRecord, MINAMOUNT) == 332);
static_assert(offsetof(STOCKRecord, MAXAMOUNT) == 340);
static_assert(offsetof(STOCKRecord, LOCATION) == 348);
static_assert(offsetof(STOCKRecord, INVENTORYMARKUP) == 358);
static_assert(offsetof(STOCKRecord, COST) == 359);
static_assert(offsetof(STOCKRecord, RETAIL) == 367);
static_assert(offsetof(STOCKRecord, RETAIL2) == 375);
static_assert(offsetof(STOCKRecord, RETAIL3) == 383);
static_assert(offsetof(STOCKRecord, TAXABLE) == 391);
static_assert(offsetof(STOCKRecord, GST) == 392);
static_assert(offsetof(STOCKRecord, WEIGHT) == 393);
static_assert(offsetof(STOCKRecord, BACKORDERDATE) == 401);
static_assert(offsetof(STOCKRecord, BACKORDERED) == 405);
static_assert(offsetof(STOCKRecord, AMOUNTBACKORDERED) == 406);
static_assert(offsetof(STOCKRecord, SPECIALITEM) == 414);
static_assert(offsetof(STOCKRecord, ITEMPICTURE) == 415);
static_assert(offsetof(STOCKRecord, PICTURE) == 465);
static_assert(sizeof(STOCKRecord) == 466);
static_assert(offsetof(SPECIALRecord, RECORDNO) == 0);
static_assert(offsetof(SPECIALRecord, STOCKNO) == 4);
static_assert(offsetof(SPECIALRecord, STOCKNO1) == 24);
static_assert(offsetof(SPECIALRecord, DESCRIPTION) == 44);
static_assert(offsetof(SPECIALRecord, AMOUNT) == 144);
static_assert(offsetof(SPECIALRecord, COST) == 152);
static_assert(offsetof(SPECIALRecord, SINGLECOST) == 160);
static_assert(sizeof(SPECIALRecord) == 168);
static_assert(offsetof(STSTRENDRecord, RECORDNO) == 0);
static_assert(offsetof(STSTRENDRecord, STOCKNO) == 4);
static_assert(offsetof(STSTRENDRecord, PARTNO) == 24);
static_assert(offsetof(STSTRENDRecord, DATERECEIVED) == 44);
static_assert(offsetof(STSTRENDRecord, MONTH) == 48);
static_assert(offsetof(STSTRENDRecord, AMOUNTRECEIVED) == 50);
static_assert(sizeof(STSTRENDRecord) == 58);
static_assert(offsetof(VENDORRecord, RECORDNO) == 0);
static_assert(offsetof(VENDORRecord, ACCOUNTNO) == 4);
static_assert(offsetof(VENDORRecord, LNAME) == 24);
static_assert(offsetof(VENDORRecord, FNAME) == 39);
static_assert(offsetof(VENDORRecord, VENDOR) == 49);
static_assert(offsetof(VENDORRecord, ADDRESS) == 69);
static_assert(offsetof(VENDORRecord, ADDRESS2) == 109);
static_assert(offsetof(VENDORRecord, ADDRESS3) == 149);
static_assert(offsetof(VENDORRecord, CITY) == 189);
static_assert(offsetof(VENDORRecord, STATE) == 214);
static_assert(offsetof(VENDORRecord, COUNTRY) == 217);
static_assert(offsetof(VENDORRecord, ZIPCODE) == 232);
static_assert(offsetof(VENDORRecord, PHONENO) == 242);
static_assert(offsetof(VENDORRecord, FAXNO) == 257);
static_assert(offsetof(VENDORRecord, LONGDISTANCE) == 272);
static_assert(offsetof(VENDORRecord, BALANCE) == 273);
static_assert(offsetof(VENDORRecord, COMMENTS) == 281);
static_assert(offsetof(VENDORRecord, EMAILADDRESS) == 331);
static_assert(offsetof(VENDORRecord, FINANCEPRESENT) == 366);
static_assert(sizeof(VENDORRecord) == 367);
static_assert(offsetof(VENFINRecord, RECORDNO) == 0);
static_assert(offsetof(VENFINRecord, ACCOUNTNO) == 4);
static_assert(offsetof(VENFINRecord, PORDERNO) == 24);
static_assert(offsetof(VENFINRecord, DATE) == 28);
static_assert(offsetof(VENFINRecord, TERMS) == 32);
static_assert(offsetof(VENFINRecord, MONEYORDERNO) == 42);
static_assert(offsetof(VENFINRecord, CHECKNO) == 62);
static_assert(offsetof(VENFINRecord, BANK) == 66);
static_assert(offsetof(VENFINRecord, CREDITCARDNO) == 106);
static_assert(offsetof(VENFINRecord, CREDITCARDDATE) == 125);
static_assert(offsetof(VENFINRecord, CREDITCARDAUTHORIZENO) == 130);
static_assert(offsetof(VENFINRecord, AMOUNTTOTAL) == 134);
static_assert(offsetof(VENFINRecord, AMOUNTDUE) == 142);
static_assert(offsetof(VENFINRecord, AMOUNTPAID) == 150);
static_assert(offsetof(VENFINRecord, PAYMENTTERMS) == 158);
static_assert(sizeof(VENFINRecord) == 166);
static_assert(offsetof(PURORDERRecord, RECORDNO) == 0);
static_assert(offsetof(PURORDERRecord, PORDERNO) == 4);
static_assert(offsetof(PURORDERRecord, ACCOUNTNO) == 8);
static_assert(offsetof(PURORDERRecord, VENDOR) == 28);
static_assert(offsetof(PURORDERRecord, MONTH) == 48);
static_assert(offsetof(PURORDERRecord, DATE) == 50);
static_assert(offsetof(PURORDERRecord, TERMS) == 54);
static_assert(offsetof(PURORDERRecord, CHECKNO) == 64);
static_assert(offsetof(PURORDERRecord, BANK) == 68);
static_assert(offsetof(PURORDERRecord, CREDITCARDNO) == 108);
static_assert(offsetof(PURORDERRecord, CREDITCARDDATE) == 127);
static_assert(offsetof(PURORDERRecord, CREDITCARDAUTHORIZENO) == 132);
static_assert(offsetof(PURORDERRecord, MONEYORDERNO) == 136);
static_assert(offsetof(PURORDERRecord, CUSTOMERDISCOUNT) == 156);
static_assert(offsetof(PURORDERRecord, AMOUNT) == 164);
static_assert(offsetof(PURORDERRecord, TAX) == 172);
static_assert(offsetof(PURORDERRecord, GST) == 180);
static_assert(offsetof(PURORDERRecord, LABOR) == 188);
static_assert(offsetof(PURORDERRecord, COST) == 196);
static_assert(offsetof(PURORDERRecord, RETAIL) == 204);
static_assert(offsetof(PURORDERRecord, TOTALDISCOUNT) == 212);
static_assert(offsetof(PURORDERRecord, AMOUNTPAID) == 220);
static_assert(offsetof(PURORDERRecord, TOTALDUE) == 228);
static_assert(offsetof(PURORDERRecord, DATEPAID) == 236);
static_assert(offsetof(PURORDERRecord, AMOUNTOWED) == 240);
static_assert(offsetof(PURORDERRecord, SHIPPING) == 248);
static_assert(offsetof(PURORDERRecord, SHIPPINGMETHOD) == 256);
static_assert(offsetof(PURORDERRecord, SHIPPINGTRACKINGNO) == 266);
static_assert(offsetof(PURORDERRecord, SHIPPINGDATE) == 286);
static_assert(offsetof(PURORDERRecord, TAXSHIPPING) == 290);
static_assert(offsetof(PURORDERRecord, SHIPPINGTAX) == 291);
static_assert(offsetof(PURORDERRecord, COD) == 299);
static_assert(offsetof(PURORDERRecord, PAYMENTTERMS) == 307);
static_assert(offsetof(PURORDERRecord, PRINTED) == 315);
static_assert(offsetof(PURORDERRecord, CREDITCHECK) == 316);
static_assert(offsetof(PURORDERRecord, TAXINFO) == 317);
static_assert(offsetof(PURORDERRecord, DATERECVEIVED) == 367);
static_assert(offsetof(PURORDERRecord, REBILL) == 371);
static_assert(sizeof(PURORDERRecord) == 372);
static_assert(offsetof(PURDESCRIPTIONRecord, PURORDERNO) == 0);
static_assert(offsetof(PURDESCRIPTIONRecord, RECORDNO) == 4);
static_assert(offsetof(PURDESCRIPTIONRecord, ITEMNO) == 8);
static_assert(offsetof(PURDESCRIPTIONRecord, VENDOR) == 12);
static_assert(offsetof(PURDESCRIPTIONRecord, CATAGORY) == 32);
static_assert(offsetof(PURDESCRIPTIONRecord, DESCRIPTION) == 42);
static_assert(offsetof(PURDESCRIPTIONRecord, QUANTITY) == 242);
static_assert(offsetof(PURDESCRIPTIONRecord, PACKAGESIZE) == 250);
static_assert(offsetof(PURDESCRIPTIONRecord, COST) == 260);
static_assert(offsetof(PURDESCRIPTIONRecord, AMOUNTCOST) == 268);
static_assert(offsetof(PURDESCRIPTIONRecord, AMOUNT) == 276);
static_assert(offsetof(PURDESCRIPTIONRecord, DISCOUNTAMOUNT) == 284);
static_assert(offsetof(PURDESCRIPTIONRecord, TAX) == 292);
static_assert(offsetof(PURDESCRIPTIONRecord, GST) == 300);
static_assert(offsetof(PURDESCRIPTIONRecord, LABOR) == 308);
static_assert(offsetof(PURDESCRIPTIONRecord, STOCKNO) == 316);
static_assert(offsetof(PURDESCRIPTIONRecord, PARTNO) == 336);
static_assert(offsetof(PURDESCRIPTIONRecord, DATE) == 356);
static_assert(offsetof(PURDESCRIPTIONRecord, MONTH) == 360);
static_assert(offsetof(PURDESCRIPTIONRecord, TAXABLE) == 362);
static_assert(offsetof(PURDESCRIPTIONRecord, GSTTAXABLE) == 363);
static_assert(offsetof(PURDESCRIPTIONRecord, WEIGHT) == 364);
static_assert(offsetof(PURDESCRIPTIONRecord, LOCATION) == 372);
static_assert(sizeof(PURDESCRIPTIONRecord) == 382);
static_assert(offsetof(MEMOSRecord, RECORDNO) == 0);
static_assert(offsetof(MEMOSRecord, TITLE) == 4);
static_assert(sizeof(MEMOSRecord) == 54);
static_assert(offsetof(SETUPRecord, RECORDNO) == 0);
static_assert(offsetof(SETUPRecord, DATE) == 1);
static_assert(offsetof(SETUPRecord, COMPANYNAME) == 5);
static_assert(offsetof(SETUPRecord, ADDRESS) == 45);
static_assert(offsetof(SETUPRecord, ADDRESS2) == 85);
static_assert(offsetof(SETUPRecord, ADDRESS3) == 125);
static_assert(offsetof(SETUPRecord, CITY) == 165);
static_assert(offsetof(SETUPRecord, STATE) == 190);
static_assert(offsetof(SETUPRecord, COUNTRY) == 193);
static_assert(offsetof(SETUPRecord, ZIPCODE) == 208);
static_assert(offsetof(SETUPRecord, PHONENO) == 218);
static_assert(offsetof(SETUPRecord, FAXNO) == 233);
static_assert(offsetof(SETUPRecord, TAXNUMBER) == 248);
static_assert(offsetof(SETUPRecord, LABORRATE) == 268);
static_assert(offsetof(SETUPRecord, CANADIAN) == 276);
static_assert(offsetof(SETUPRecord, GST) == 277);
static_assert(offsetof(SETUPRecord, GSTNUMBER) == 285);
static_assert(offsetof(SETUPRecord, PRINTPREVIEW) == 305);
static_assert(offsetof(SETUPRecord, PRINTINVOICE) == 306);
static_assert(offsetof(SETUPRecord, PRINTCHOICE) == 307);
static_assert(offsetof(SETUPRecord, PRINTSHIPPING) == 308);
static_assert(offsetof(SETUPRecord, REPORTMEMO) == 309);
static_assert(offsetof(SETUPRecord, SORTORDER) == 359);
static_assert(offsetof(SETUPRecord, LASTNAME) == 360);
static_assert(offsetof(SETUPRecord, FIRSTNAME) == 375);
static_assert(offsetof(SETUPRecord, RESERVED1) == 385);
static_assert(offsetof(SETUPRecord, RESERVED2) == 389);
static_assert(offsetof(SETUPRecord, NETWORKPATH) == 390);
static_assert(offsetof(SETUPRecord, PRINTMEMOTOPBOTTOM) == 440);
static_assert(offsetof(SETUPRecord, PICKLIST) == 441);
static_assert(offsetof(SETUPRecord, LABELTYPE) == 442);
static_assert(offsetof(SETUPRecord, LABEL1TYPE) == 444);
static_assert(offsetof(SETUPRecord, DATENAME) == 446);
static_assert(offsetof(SETUPRecord, CURRENCYTYPE) == 451);
static_assert(offsetof(SETUPRecord, EMAILADDRESS) == 452);
static_assert(offsetof(SETUPRecord, COMPANYHEADER) == 487);
static_assert(offsetof(SETUPRecord, PAPERSIZE) == 507);
static_assert(offsetof(SETUPRecord, ENVELOPESIZE) == 522);
static_assert(offsetof(SETUPRecord, REMOVERETURNADDRESS) == 537);
static_assert(offsetof(SETUPRecord, INVENTORYMARKUP) == 538);
static_assert(offsetof(SETUPRecord, AUTOTAXITEM) == 546);
static_assert(offsetof(SETUPRecord, CUSTOMERTAXRATE) == 547);
static_assert(offsetof(SETUPRecord, PASSWORD) == 555);
static_assert(offsetof(SETUPRecord, PASSWORDCHANGE) == 565);
static_assert(offsetof(SETUPRecord, PASSWORDDELETE) == 566);
static_assert(offsetof(SETUPRecord, LOGOSIZE) == 567);
static_assert(offsetof(SETUPRecord, RUNFIX) == 568);
static_assert(offsetof(SETUPRecord, LABELLINE) == 569);
static_assert(offsetof(SETUPRecord, TAXABLE) == 609);
static_assert(offsetof(SETUPRecord, TAXSHIPPING) == 610);
static_assert(offsetof(SETUPRecord, PROHIBITESELLING) == 611);
static_assert(offsetof(SETUPRecord, PRICE1) == 612);
static_assert(offsetof(SETUPRecord, PRICE2) == 622);
static_assert(offsetof(SETUPRecord, PRICE3) == 632);
static_assert(offsetof(SETUPRecord, REDLINEINVOICE) == 642);
static_assert(offsetof(SETUPRecord, REDLINECUSTOMER) == 643);
static_assert(offsetof(SETUPRecord, REDLINEINVENTORY) == 644);
static_assert(offsetof(SETUPRecord, REDLINEPURCHASEORDER) == 645);
static_assert(sizeof(SETUPRecord) == 646);
static_assert(offsetof(TOTALINVRecord, RECORDNO) == 0);
static_assert(offsetof(TOTALINVRecord, COST) == 4);
static_assert(offsetof(TOTALINVRecord, RETAIL) == 12);
static_assert(offsetof(TOTALINVRecord, DISCOUNT) == 20);
static_assert(offsetof(TOTALINVRecord, COD) == 28);
static_assert(offsetof(TOTALINVRecord, SHIPPING) == 36);
static_assert(offsetof(TOTALINVRecord, TAX) == 44);
static_assert(offsetof(TOTALINVRecord, LABOR) == 52);
static_assert(offsetof(TOTALINVRecord, TOTALDUE) == 60);
static_assert(offsetof(TOTALINVRecord, GST) == 68);
static_assert(offsetof(TOTALINVRecord, DATE) == 76);
static_assert(sizeof(TOTALINVRecord) == 80);
static_assert(offsetof(TAGFILE_Record, USR) == 0);
static_assert(offsetof(TAGFILE_Record, TBL) == 4);
static_assert(offsetof(TAGFILE_Record, PTR) == 6);
static_assert(offsetof(TAGFILE_Record, VAL) == 10);
static_assert(sizeof(TAGFILE_Record) == 20);
static_assert(offsetof(TAGFILEPOS_Record, USR) == 0);
static_assert(offsetof(TAGFILEPOS_Record, TBL) == 4);
static_assert(offsetof(TAGFILEPOS_Record, POS) == 6);
static_assert(offsetof(TAGFILEPOS_Record, VAL) == 262);
static_assert(sizeof(TAGFILEPOS_Record) == 272);
static_assert(offsetof(TAGSET_Record, TBL) == 0);
static_assert(offsetof(TAGSET_Record, USR) == 2);
static_assert(offsetof(TAGSET_Record, SOURCE) == 6);
static_assert(offsetof(TAGSET_Record, DATE) == 56);
static_assert(offsetof(TAGSET_Record, COUNT) == 60);
static_assert(offsetof(TAGSET_Record, DESCRIPTION) == 64);
static_assert(sizeof(TAGSET_Record) == 314);

// A file's record buffer: the stored record, its memo (when the file has one) and its keys,
// so code reads as CUS.BALANCE and CUS.CustomerNo_Key.
struct CUSTOMERBuffer : CUSTOMERRecord {
    static constexpr FileId File = FileId::CUSTOMER;
    static constexpr KeyRef RecordNo_Key{FileId::CUSTOMER, 0};
    static constexpr KeyRef CustomerNo_Key{FileId::CUSTOMER, 1};
    static constexpr KeyRef CustomerName_Key{FileId::CUSTOMER, 2};
    static constexpr KeyRef Phone_Key{FileId::CUSTOMER, 3};
    static constexpr KeyRef ZipCode_Key{FileId::CUSTOMER, 4};
    static constexpr KeyRef CityState_Key{FileId::CUSTOMER, 5};
    static constexpr KeyRef Company_Key{FileId::CUSTOMER, 6};
    static constexpr KeyRef EmailAddress_Key{FileId::CUSTOMER, 7};
    static constexpr KeyRef State_Key{FileId::CUSTOMER, 8};
    static constexpr KeyRef Country_Key{FileId::CUSTOMER, 9};
};

struct INVOICEBuffer : INVOICERecord {
    static constexpr FileId File = FileId::INVOICE;
    Memo MEMOS;
    static constexpr KeyRef RecordNo_Key{FileId::INVOICE, 0};
    static constexpr KeyRef InvoiceNo_Key{FileId::INVOICE, 1};
    static constexpr KeyRef InvoiceNoR_Key{FileId::INVOICE, 2};
    static constexpr KeyRef Customer_Key{FileId::INVOICE, 3};
    static constexpr KeyRef Date_Key{FileId::INVOICE, 4};
    static constexpr KeyRef POnumber_Key{FileId::INVOICE, 5};
    static constexpr KeyRef Salesman_Key{FileId::INVOICE, 6};
    static constexpr KeyRef Quotes_Key{FileId::INVOICE, 7};
    static constexpr KeyRef InvoiceRebill_Key{FileId::INVOICE, 8};
};

struct DESCRIPTIONBuffer : DESCRIPTIONRecord {
    static constexpr FileId File = FileId::DESCRIPTION;
    static constexpr KeyRef InvoiceNo_Key{FileId::DESCRIPTION, 0};
    static constexpr KeyRef Invoice_Key{FileId::DESCRIPTION, 1};
    static constexpr KeyRef PONumber_Key{FileId::DESCRIPTION, 2};
    static constexpr KeyRef CustomerNo_Key{FileId::DESCRIPTION, 3};
    static constexpr KeyRef Description_Key{FileId::DESCRIPTION, 4};
    static constexpr KeyRef Catagory_Key{FileId::DESCRIPTION, 5};
    static constexpr KeyRef StockNo_Key{FileId::DESCRIPTION, 6};
    static constexpr KeyRef Date_Key{FileId::DESCRIPTION, 7};
    static constexpr KeyRef Month_Key{FileId::DESCRIPTION, 8};
    static constexpr KeyRef Quanity_Key{FileId::DESCRIPTION, 9};
};

struct CREDITBuffer : CREDITRecord {
    static constexpr FileId File = FileId::CREDIT;
    Memo MEMOS;
    static constexpr KeyRef RecordNo_Key{FileId::CREDIT, 0};
    static constexpr KeyRef CreditMemoNo_Key{FileId::CREDIT, 1};
    static constexpr KeyRef Customer_Key{FileId::CREDIT, 2};
    static constexpr KeyRef Date_Key{FileId::CREDIT, 3};
    static constexpr KeyRef PONumber_Key{FileId::CREDIT, 4};
    static constexpr KeyRef Invoice_Key{FileId::CREDIT, 5};
};

struct CRSCRIPTIONBuffer : CRSCRIPTIONRecord {
    static constexpr FileId File = FileId::CRSCRIPTION;
    static constexpr KeyRef CreditMemoNo_Key{FileId::CRSCRIPTION, 0};
    static constexpr KeyRef Description_Key{FileId::CRSCRIPTION, 1};
    static constexpr KeyRef Catagory_Key{FileId::CRSCRIPTION, 2};
    static constexpr KeyRef StockNo_Key{FileId::CRSCRIPTION, 3};
    static constexpr KeyRef Date_Key{FileId::CRSCRIPTION, 4};
    static constexpr KeyRef CustomerNo_Key{FileId::CRSCRIPTION, 5};
};

struct FINANCEBuffer : FINANCERecord {
    static constexpr FileId File = FileId::FINANCE;
    static constexpr KeyRef RecordNo_Key{FileId::FINANCE, 0};
    static constexpr KeyRef InvoiceNo_Key{FileId::FINANCE, 1};
    static constexpr KeyRef CreditMemoNo_Key{FileId::FINANCE, 2};
    static constexpr KeyRef Date_Key{FileId::FINANCE, 3};
    static constexpr KeyRef CustomerDate_Key{FileId::FINANCE, 4};
    static constexpr KeyRef CustomerNo_Key{FileId::FINANCE, 5};
};

struct STOCKBuffer : STOCKRecord {
    static constexpr FileId File = FileId::STOCK;
    static constexpr KeyRef RecordNo_Key{FileId::STOCK, 0};
    static constexpr KeyRef StockNo_Key{FileId::STOCK, 1};
    static constexpr KeyRef StockNoRecordNo_Key{FileId::STOCK, 2};
    static constexpr KeyRef PartNo_Key{FileId::STOCK, 3};
    static constexpr KeyRef Vendor_Key{FileId::STOCK, 4};
    static constexpr KeyRef Manufactur_Key{FileId::STOCK, 5};
    static constexpr KeyRef Catagory_Key{FileId::STOCK, 6};
    static constexpr KeyRef Description_Key{FileId::STOCK, 7};
    static constexpr KeyRef SpecialItem_Key{FileId::STOCK, 8};
};

struct SPECIALBuffer : SPECIALRecord {
    static constexpr FileId File = FileId::SPECIAL;
    static constexpr KeyRef RecordNo_Key{FileId::SPECIAL, 0};
    static constexpr KeyRef StockNo_Key{FileId::SPECIAL, 1};
    static constexpr KeyRef StockNo1_Key{FileId::SPECIAL, 2};
};

struct STSTRENDBuffer : STSTRENDRecord {
    static constexpr FileId File = FileId::STSTREND;
    static constexpr KeyRef RecordNo_Key{FileId::STSTREND, 0};
    static constexpr KeyRef StockNo_Key{FileId::STSTREND, 1};
    static constexpr KeyRef PartNo_Key{FileId::STSTREND, 2};
    static constexpr KeyRef StockDate_Key{FileId::STSTREND, 3};
};

struct VENDORBuffer : VENDORRecord {
    static constexpr FileId File = FileId::VENDOR;
    static constexpr KeyRef RecordNo_Key{FileId::VENDOR, 0};
    static constexpr KeyRef VendorNo_Key{FileId::VENDOR, 1};
    static constexpr KeyRef Vendor_Key{FileId::VENDOR, 2};
    static constexpr KeyRef VendorName_Key{FileId::VENDOR, 3};
    static constexpr KeyRef Phone_Key{FileId::VENDOR, 4};
    static constexpr KeyRef CityState_Key{FileId::VENDOR, 5};
    static constexpr KeyRef EmailAddress_Key{FileId::VENDOR, 6};
};

struct VENFINBuffer : VENFINRecord {
    static constexpr FileId File = FileId::VENFIN;
    static constexpr KeyRef RecordNo_Key{FileId::VENFIN, 0};
    static constexpr KeyRef POrderNo_Key{FileId::VENFIN, 1};
    static constexpr KeyRef Date_Key{FileId::VENFIN, 2};
    static constexpr KeyRef VendorDate_Key{FileId::VENFIN, 3};
    static constexpr KeyRef VendorNo_Key{FileId::VENFIN, 4};
};

struct PURORDERBuffer : PURORDERRecord {
    static constexpr FileId File = FileId::PURORDER;
    Memo MEMOS;
    static constexpr KeyRef RecordNo_Key{FileId::PURORDER, 0};
    static constexpr KeyRef POrderNo_Key{FileId::PURORDER, 1};
    static constexpr KeyRef Vendor_Key{FileId::PURORDER, 2};
    static constexpr KeyRef Date_Key{FileId::PURORDER, 3};
    static constexpr KeyRef POrderRebill_Key{FileId::PURORDER, 4};
};

struct PURDESCRIPTIONBuffer : PURDESCRIPTIONRecord {
    static constexpr FileId File = FileId::PURDESCRIPTION;
    static constexpr KeyRef PurOrderItem_Key{FileId::PURDESCRIPTION, 0};
    static constexpr KeyRef PurOrderNo_Key{FileId::PURDESCRIPTION, 1};
    static constexpr KeyRef Vendor_Key{FileId::PURDESCRIPTION, 2};
    static constexpr KeyRef Description_Key{FileId::PURDESCRIPTION, 3};
    static constexpr KeyRef Catagory_Key{FileId::PURDESCRIPTION, 4};
    static constexpr KeyRef StockNo_Key{FileId::PURDESCRIPTION, 5};
    static constexpr KeyRef Date_Key{FileId::PURDESCRIPTION, 6};
    static constexpr KeyRef Month_Key{FileId::PURDESCRIPTION, 7};
};

struct MEMOSBuffer : MEMOSRecord {
    static constexpr FileId File = FileId::MEMOS;
    Memo MEMOS;
    static constexpr KeyRef RecordNo_Key{FileId::MEMOS, 0};
    static constexpr KeyRef Title_Key{FileId::MEMOS, 1};
};

struct SETUPBuffer : SETUPRecord {
    static constexpr FileId File = FileId::SETUP;
    static constexpr KeyRef RecordNo_Key{FileId::SETUP, 0};
};

struct TOTALINVBuffer : TOTALINVRecord {
    static constexpr FileId File = FileId::TOTALINV;
    static constexpr KeyRef RecordNo_Key{FileId::TOTALINV, 0};
};

struct TAGFILE_Buffer : TAGFILE_Record {
    static constexpr FileId File = FileId::TAGFILE_;
    static constexpr KeyRef PtrKey{FileId::TAGFILE_, 0};
    static constexpr KeyRef ValKey{FileId::TAGFILE_, 1};
};

struct TAGFILEPOS_Buffer : TAGFILEPOS_Record {
    static constexpr FileId File = FileId::TAGFILEPOS_;
    static constexpr KeyRef PosKey{FileId::TAGFILEPOS_, 0};
    static constexpr KeyRef ValKey{FileId::TAGFILEPOS_, 1};
};

struct TAGSET_Buffer : TAGSET_Record {
    static constexpr FileId File = FileId::TAGSET_;
    static constexpr KeyRef TblKey{FileId::TAGSET_, 0};
    static constexpr KeyRef UsrTblKey{FileId::TAGSET_, 1};
    static constexpr KeyRef UsrSourceDateKey{FileId::TAGSET_, 2};
};

} // namespace dict
