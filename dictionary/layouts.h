// The record layout of every data file, declared once. Each file has four declarations:
//
//   X_FILE    name, prefix and record size in bytes;
//   X_MEMO    M(MEMOS, "...") when the file's records carry a memo, empty otherwise;
//   X_FIELDS  F(type, NAME, offset, "what it holds"), in stored order;
//   X_KEYS    K(Name_Key, Unique|Dups, Primary|Secondary, NoAutoNumber|AutoWholeKey|AutoLastComponent,
//             components...), each component Asc(FIELD) or Desc(FIELD) of the same file (four at most).
//
// records.h builds from them the packed record struct (dict::CUSTOMERRecord), the buffer with its
// memo and key constants (dict::CUSTOMERBuffer, CUS.CustomerNo_Key) and the field and key tables
// of fileDef() (dict::layout::CUSTOMER). A NAME is the member (CUS.LNAME) and the column of the
// file's table; a key's name in messages is "PREFIX:Name_Key"; a key's position is its KeyRef.
//
// Adding a field: write its line where it is stored, with the byte offset it is stored at; move
// the offsets of the fields after it and the record size in X_FILE. Types: BYTE, SHORT, LONG,
// REAL, String<n>. An offset or size that does not match the struct does not build. Data files
// written with the old layout are then refused as files of another layout.
// Adding a key: write its line in X_KEYS; adding it last keeps the other keys' positions.
#pragma once

// CUSTOMER
#define CUSTOMER_FILE(X) X(CUSTOMER, CUS, 681)
#define CUSTOMER_MEMO(M)
#define CUSTOMER_FIELDS(F) \
    F(LONG,       RECORDNO,         0,   "record number") \
    F(String<10>, CUSTOMERNO,       4,   "customer number") \
    F(String<15>, LNAME,            14,  "last name") \
    F(String<10>, FNAME,            29,  "first name") \
    F(String<40>, COMPANY,          39,  "company name") \
    F(String<40>, ADDRESS,          79,  "address line 1") \
    F(String<40>, ADDRESS2,         119, "address line 2") \
    F(String<40>, ADDRESS3,         159, "address line 3") \
    F(String<25>, CITY,             199, "city") \
    F(String<3>,  STATE,            224, "state or province code") \
    F(String<15>, COUNTRY,          227, "country") \
    F(String<10>, ZIPCODE,          242, "postal code") \
    F(String<40>, SADDRESS,         252, "shipping address line 1") \
    F(String<40>, SADDRESS2,        292, "shipping address line 2") \
    F(String<40>, SADDRESS3,        332, "shipping address line 3") \
    F(String<25>, SCITY,            372, "shipping city") \
    F(String<3>,  SSTATE,           397, "shipping state") \
    F(String<15>, SCOUNTRY,         400, "shipping country") \
    F(String<10>, SZIPCODE,         415, "shipping postal code") \
    F(BYTE,       SAMEADDRESS,      425, "shipping-same-as-billing flag") \
    F(REAL,       TAXAMOUNT,        426, "customer tax rate") \
    F(String<20>, TAXNUMBER,        434, "tax (resale) number") \
    F(String<15>, PHONENO,          454, "telephone number") \
    F(String<15>, FAXNO,            469, "fax number") \
    F(BYTE,       LONGDISTANCE,     484, "long-distance flag") \
    F(REAL,       CUSTOMERDISCOUNT, 485, "discount (percent)") \
    F(String<50>, COMMENTS,         493, "comments") \
    F(String<35>, EMAILADDRESS,     543, "e-mail address") \
    F(String<40>, BANK,             578, "bank name") \
    F(String<20>, BANKACCOUNTNO,    618, "bank account number") \
    F(String<19>, CREDITCARDNO,     638, "credit card number") \
    F(String<5>,  CREDITCARDDATE,   657, "card expiry, mm/yy") \
    F(String<10>, TERMS,            662, "payment terms") \
    F(REAL,       BALANCE,          672, "outstanding balance") \
    F(BYTE,       FINANCEPRESENT,   680, "payment-history flag")
#define CUSTOMER_KEYS(K) \
    K(RecordNo_Key,     Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(CustomerNo_Key,   Unique, Primary,   NoAutoNumber,      Asc(CUSTOMERNO)) \
    K(CustomerName_Key, Unique, Secondary, NoAutoNumber,      Asc(LNAME), Asc(FNAME), Asc(CUSTOMERNO)) \
    K(Phone_Key,        Dups,   Secondary, NoAutoNumber,      Asc(PHONENO)) \
    K(ZipCode_Key,      Dups,   Secondary, NoAutoNumber,      Asc(ZIPCODE), Asc(LNAME), Asc(FNAME)) \
    K(CityState_Key,    Dups,   Secondary, NoAutoNumber,      Asc(CITY), Asc(STATE)) \
    K(Company_Key,      Dups,   Secondary, NoAutoNumber,      Asc(COMPANY)) \
    K(EmailAddress_Key, Dups,   Secondary, NoAutoNumber,      Asc(EMAILADDRESS)) \
    K(State_Key,        Dups,   Secondary, NoAutoNumber,      Asc(STATE)) \
    K(Country_Key,      Dups,   Secondary, NoAutoNumber,      Asc(COUNTRY))

// INVOICE
#define INVOICE_FILE(X) X(INVOICE, INV, 404)
#define INVOICE_MEMO(M) M(MEMOS, "memo text")
#define INVOICE_FIELDS(F) \
    F(LONG,       RECORDNO,              0,   "record number") \
    F(LONG,       INVOICENO,             4,   "invoice number") \
    F(String<10>, CUSTOMERNO,            8,   "customer number") \
    F(String<15>, PONUMBER,              18,  "customer purchase order number") \
    F(SHORT,      MONTH,                 33,  "month number 1-12 of DATE") \
    F(LONG,       DATE,                  35,  "date (day number)") \
    F(String<10>, TERMS,                 39,  "payment terms") \
    F(LONG,       CHECKNO,               49,  "cheque number") \
    F(String<40>, BANK,                  53,  "bank name") \
    F(String<19>, CREDITCARDNO,          93,  "credit card number") \
    F(String<5>,  CREDITCARDDATE,        112, "card expiry, mm/yy") \
    F(LONG,       CREDITCARDAUTHORIZENO, 117, "card authorisation number") \
    F(String<20>, MONEYORDERNO,          121, "money order number") \
    F(REAL,       CUSTOMERDISCOUNT,      141, "discount (percent)") \
    F(REAL,       AMOUNT,                149, "line or document amount") \
    F(REAL,       TAX,                   157, "sales tax amount") \
    F(REAL,       TAXRATE,               165, "sales tax rate used") \
    F(REAL,       GST,                   173, "goods-and-services tax amount") \
    F(REAL,       GSTTAXRATE,            181, "GST rate used") \
    F(REAL,       LABOR,                 189, "labour amount") \
    F(REAL,       LABORRATE,             197, "labour rate per hour") \
    F(REAL,       COST,                  205, "unit cost") \
    F(REAL,       RETAIL,                213, "retail total") \
    F(REAL,       TOTALDISCOUNT,         221, "total discount") \
    F(BYTE,       LINEITEMDISCOUNT,      229, "line discount") \
    F(REAL,       AMOUNTPAID,            230, "amount paid") \
    F(REAL,       TOTALDUE,              238, "total due") \
    F(LONG,       DATEPAID,              246, "date paid") \
    F(REAL,       AMOUNTOWED,            250, "amount still owed") \
    F(REAL,       SHIPPING,              258, "shipping charge") \
    F(String<10>, SHIPPINGMETHOD,        266, "shipping method") \
    F(String<20>, SHIPPINGTRACKINGNO,    276, "tracking number") \
    F(LONG,       SHIPPINGDATE,          296, "shipping date") \
    F(BYTE,       TAXSHIPPING,           300, "1 = shipping is taxed") \
    F(REAL,       SHIPPINGTAX,           301, "tax on shipping") \
    F(REAL,       COD,                   309, "cash-on-delivery charge") \
    F(String<8>,  PAYMENTTERMS,          317, "payment method") \
    F(String<1>,  PRINTED,               325, "printed marker") \
    F(String<15>, SALESMAN,              326, "salesperson") \
    F(REAL,       WEIGHT,                341, "weight") \
    F(BYTE,       QUOTES,                349, "1 = quote, 0 = invoice") \
    F(BYTE,       CREDITCHECK,           350, "credit-check flag") \
    F(BYTE,       REBILL,                351, "1 = recurring (re-billed)") \
    F(BYTE,       CHECKINVOICE,          352, "check flag") \
    F(String<1>,  REBILLCYCLE,           353, "re-bill cycle code (\"M\" monthly, \"Q\" quarterly, \"S\" semi-annual, \"A\" annual)") \
    F(String<50>, TAXINFO,               354, "tax description printed on the document")
#define INVOICE_KEYS(K) \
    K(RecordNo_Key,      Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(InvoiceNo_Key,     Unique, Primary,   AutoWholeKey,      Asc(INVOICENO)) \
    K(InvoiceNoR_Key,    Unique, Secondary, NoAutoNumber,      Desc(INVOICENO)) \
    K(Customer_Key,      Unique, Secondary, NoAutoNumber,      Asc(CUSTOMERNO), Asc(INVOICENO)) \
    K(Date_Key,          Dups,   Secondary, NoAutoNumber,      Asc(DATE)) \
    K(POnumber_Key,      Dups,   Secondary, NoAutoNumber,      Asc(PONUMBER)) \
    K(Salesman_Key,      Dups,   Secondary, NoAutoNumber,      Asc(SALESMAN), Asc(DATE)) \
    K(Quotes_Key,        Dups,   Secondary, NoAutoNumber,      Asc(QUOTES)) \
    K(InvoiceRebill_Key, Dups,   Secondary, NoAutoNumber,      Asc(REBILL), Asc(REBILLCYCLE), Asc(INVOICENO))

// DESCRIPTION
#define DESCRIPTION_FILE(X) X(DESCRIPTION, DES, 422)
#define DESCRIPTION_MEMO(M)
#define DESCRIPTION_FIELDS(F) \
    F(LONG,        INVOICENO,         0,   "invoice number") \
    F(LONG,        RECORDNO,          4,   "record number") \
    F(String<15>,  PONUMBER,          8,   "customer purchase order number") \
    F(LONG,        ITEMNO,            23,  "line number within the document") \
    F(String<10>,  CUSTOMERNO,        27,  "customer number") \
    F(BYTE,        LABORBUTTON,       37,  "1 = line is labour") \
    F(String<10>,  CATAGORY,          38,  "stock category") \
    F(String<200>, DESCRIPTION,       48,  "description") \
    F(REAL,        QUANTITY,          248, "quantity") \
    F(String<10>,  PACKAGESIZE,       256, "package size / unit") \
    F(REAL,        COST,              266, "unit cost") \
    F(REAL,        AMOUNTCOST,        274, "line cost (quantity × cost)") \
    F(BYTE,        PRICEOPTION,       282, "price level chosen (1-3)") \
    F(REAL,        PRICE,             283, "unit price") \
    F(REAL,        PRICE1,            291, "price level 1") \
    F(REAL,        PRICE2,            299, "price level 2") \
    F(REAL,        PRICE3,            307, "price level 3") \
    F(REAL,        AMOUNT,            315, "line or document amount") \
    F(REAL,        LINEITEMDISCOUNT,  323, "line discount") \
    F(REAL,        DISCOUNTAMOUNT,    331, "discount amount") \
    F(REAL,        TAX,               339, "sales tax amount") \
    F(REAL,        GST,               347, "goods-and-services tax amount") \
    F(REAL,        LABOR,             355, "labour amount") \
    F(String<20>,  STOCKNO,           363, "stock number") \
    F(LONG,        DATE,              383, "date (day number)") \
    F(SHORT,       MONTH,             387, "month number 1-12 of DATE") \
    F(BYTE,        TAXABLE,           389, "1 = subject to sales tax") \
    F(BYTE,        GSTTAXABLE,        390, "1 = subject to GST") \
    F(REAL,        WEIGHT,            391, "weight") \
    F(String<10>,  LOCATION,          399, "storage location") \
    F(BYTE,        BACKORDER,         409, "1 = line back-ordered") \
    F(LONG,        DELIVERYDATE,      410, "expected delivery date") \
    F(REAL,        AMOUNTBACKORDERED, 414, "quantity back-ordered")
#define DESCRIPTION_KEYS(K) \
    K(InvoiceNo_Key,   Dups,   Secondary, AutoLastComponent, Asc(INVOICENO), Asc(ITEMNO)) \
    K(Invoice_Key,     Dups,   Secondary, NoAutoNumber,      Asc(INVOICENO)) \
    K(PONumber_Key,    Dups,   Secondary, NoAutoNumber,      Asc(PONUMBER)) \
    K(CustomerNo_Key,  Dups,   Secondary, NoAutoNumber,      Asc(CUSTOMERNO), Asc(STOCKNO)) \
    K(Description_Key, Dups,   Secondary, NoAutoNumber,      Asc(DESCRIPTION)) \
    K(Catagory_Key,    Dups,   Secondary, NoAutoNumber,      Asc(CATAGORY)) \
    K(StockNo_Key,     Dups,   Secondary, NoAutoNumber,      Asc(STOCKNO)) \
    K(Date_Key,        Dups,   Secondary, NoAutoNumber,      Asc(DATE), Asc(STOCKNO)) \
    K(Month_Key,       Dups,   Secondary, NoAutoNumber,      Asc(MONTH), Asc(STOCKNO)) \
    K(Quanity_Key,     Dups,   Secondary, NoAutoNumber,      Asc(DATE), Desc(QUANTITY))

// CREDIT
#define CREDIT_FILE(X) X(CREDIT, CRE, 218)
#define CREDIT_MEMO(M) M(MEMOS, "memo text")
#define CREDIT_FIELDS(F) \
    F(LONG,       RECORDNO,         0,   "record number") \
    F(LONG,       CREDITMEMONO,     4,   "credit memo number") \
    F(LONG,       INVOICENO,        8,   "invoice number") \
    F(String<10>, CUSTOMERNO,       12,  "customer number") \
    F(String<15>, PONUMBER,         22,  "customer purchase order number") \
    F(SHORT,      MONTH,            37,  "month number 1-12 of DATE") \
    F(LONG,       DATE,             39,  "date (day number)") \
    F(REAL,       CUSTOMERDISCOUNT, 43,  "discount (percent)") \
    F(REAL,       AMOUNT,           51,  "line or document amount") \
    F(REAL,       TAX,              59,  "sales tax amount") \
    F(REAL,       TAXRATE,          67,  "sales tax rate used") \
    F(REAL,       GST,              75,  "goods-and-services tax amount") \
    F(REAL,       GSTTAXRATE,       83,  "GST rate used") \
    F(REAL,       LABOR,            91,  "labour amount") \
    F(REAL,       LABORRATE,        99,  "labour rate per hour") \
    F(REAL,       COST,             107, "unit cost") \
    F(REAL,       RETAIL,           115, "retail total") \
    F(REAL,       TOTALDISCOUNT,    123, "total discount") \
    F(BYTE,       LINEITEMDISCOUNT, 131, "line discount") \
    F(REAL,       TOTALDUE,         132, "total due") \
    F(LONG,       DATEPAID,         140, "date paid") \
    F(REAL,       SHIPPING,         144, "shipping charge") \
    F(String<1>,  PRINTED,          152, "printed marker") \
    F(String<15>, SALESMAN,         153, "salesperson") \
    F(String<50>, TAXINFO,          168, "tax description printed on the document")
#define CREDIT_KEYS(K) \
    K(RecordNo_Key,     Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(CreditMemoNo_Key, Unique, Primary,   AutoWholeKey,      Asc(CREDITMEMONO)) \
    K(Customer_Key,     Unique, Secondary, NoAutoNumber,      Asc(CUSTOMERNO), Asc(CREDITMEMONO)) \
    K(Date_Key,         Dups,   Secondary, NoAutoNumber,      Asc(DATE)) \
    K(PONumber_Key,     Unique, Secondary, NoAutoNumber,      Asc(PONUMBER)) \
    K(Invoice_Key,      Dups,   Secondary, NoAutoNumber,      Asc(INVOICENO))

// CRSCRIPTION
#define CRSCRIPTION_FILE(X) X(CRSCRIPTION, CRS, 376)
#define CRSCRIPTION_MEMO(M)
#define CRSCRIPTION_FIELDS(F) \
    F(LONG,        CREDITMEMONO,        0,   "credit memo number") \
    F(LONG,        RECORDNO,            4,   "record number") \
    F(LONG,        ITEMNO,              8,   "line number within the document") \
    F(String<10>,  CUSTOMERNO,          12,  "customer number") \
    F(BYTE,        LABORBUTTON,         22,  "1 = line is labour") \
    F(String<10>,  CATAGORY,            23,  "stock category") \
    F(String<200>, DESCRIPTION,         33,  "description") \
    F(REAL,        QUANTITY,            233, "quantity") \
    F(String<10>,  PACKAGESIZE,         241, "package size / unit") \
    F(REAL,        COST,                251, "unit cost") \
    F(REAL,        AMOUNTCOST,          259, "line cost (quantity × cost)") \
    F(REAL,        PRICE,               267, "unit price") \
    F(BYTE,        PRICEOPTION,         275, "price level chosen (1-3)") \
    F(REAL,        PRICE1,              276, "price level 1") \
    F(REAL,        PRICE2,              284, "price level 2") \
    F(REAL,        AMOUNT,              292, "line or document amount") \
    F(REAL,        LINEITEMDESCRIPTION, 300, "line discount rate") \
    F(REAL,        DISCOUNTAMOUNT,      308, "discount amount") \
    F(REAL,        TAX,                 316, "sales tax amount") \
    F(REAL,        GST,                 324, "goods-and-services tax amount") \
    F(BYTE,        TAXABLE,             332, "1 = subject to sales tax") \
    F(BYTE,        GSTTAXABLE,          333, "1 = subject to GST") \
    F(REAL,        LABOR,               334, "labour amount") \
    F(String<20>,  STOCKNO,             342, "stock number") \
    F(LONG,        DATE,                362, "date (day number)") \
    F(SHORT,       MONTH,               366, "month number 1-12 of DATE") \
    F(REAL,        WEIGHT,              368, "weight")
#define CRSCRIPTION_KEYS(K) \
    K(CreditMemoNo_Key, Unique, Secondary, AutoLastComponent, Asc(CREDITMEMONO), Asc(ITEMNO)) \
    K(Description_Key,  Dups,   Secondary, NoAutoNumber,      Asc(DESCRIPTION)) \
    K(Catagory_Key,     Dups,   Secondary, NoAutoNumber,      Asc(CATAGORY)) \
    K(StockNo_Key,      Dups,   Secondary, NoAutoNumber,      Asc(STOCKNO)) \
    K(Date_Key,         Dups,   Secondary, NoAutoNumber,      Asc(DATE), Asc(STOCKNO)) \
    K(CustomerNo_Key,   Dups,   Secondary, NoAutoNumber,      Asc(CUSTOMERNO), Asc(STOCKNO))

// FINANCE
#define FINANCE_FILE(X) X(FINANCE, FIN, 161)
#define FINANCE_MEMO(M)
#define FINANCE_FIELDS(F) \
    F(LONG,       RECORDNO,              0,   "record number") \
    F(String<10>, CUSTOMERNO,            4,   "customer number") \
    F(LONG,       INVOICENO,             14,  "invoice number") \
    F(LONG,       CREDITMEMONO,          18,  "credit memo number") \
    F(LONG,       DATE,                  22,  "date (day number)") \
    F(String<10>, TERMS,                 26,  "payment terms") \
    F(String<20>, MONEYORDERNO,          36,  "money order number") \
    F(LONG,       CHECKNO,               56,  "cheque number") \
    F(String<40>, BANK,                  60,  "bank name") \
    F(String<19>, CREDITCARDNO,          100, "credit card number") \
    F(String<5>,  CREDITCARDDATE,        119, "card expiry, mm/yy") \
    F(LONG,       CREDITCARDAUTHORIZENO, 124, "card authorisation number") \
    F(REAL,       INVOICETOTAL,          128, "invoice total") \
    F(REAL,       AMOUNTDUE,             136, "amount due") \
    F(REAL,       AMOUNTPAID,            144, "amount paid") \
    F(String<8>,  PAYMENTTERMS,          152, "payment method") \
    F(BYTE,       CHECKINVOICE,          160, "check flag")
#define FINANCE_KEYS(K) \
    K(RecordNo_Key,     Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(InvoiceNo_Key,    Dups,   Secondary, NoAutoNumber,      Asc(INVOICENO)) \
    K(CreditMemoNo_Key, Unique, Secondary, NoAutoNumber,      Asc(CREDITMEMONO)) \
    K(Date_Key,         Dups,   Secondary, NoAutoNumber,      Asc(DATE)) \
    K(CustomerDate_Key, Dups,   Secondary, NoAutoNumber,      Asc(CUSTOMERNO), Asc(DATE)) \
    K(CustomerNo_Key,   Dups,   Secondary, NoAutoNumber,      Asc(CUSTOMERNO))

// STOCK
#define STOCK_FILE(X) X(STOCK, STO, 466)
#define STOCK_MEMO(M)
#define STOCK_FIELDS(F) \
    F(LONG,        RECORDNO,          0,   "record number") \
    F(String<20>,  STOCKNO,           4,   "stock number") \
    F(String<20>,  PARTNO,            24,  "part number") \
    F(String<20>,  MANUFACTUR,        44,  "manufacturer") \
    F(String<20>,  VENDOR,            64,  "vendor name") \
    F(String<20>,  ACCOUNTNO,         84,  "vendor account number") \
    F(String<200>, DESCRIPTION,       104, "description") \
    F(String<10>,  CATAGORY,          304, "stock category") \
    F(String<10>,  PACKAGESIZE,       314, "package size / unit") \
    F(REAL,        AMOUNTINSTOCK,     324, "quantity on hand") \
    F(REAL,        MINAMOUNT,         332, "re-order level") \
    F(REAL,        MAXAMOUNT,         340, "maximum stock level") \
    F(String<10>,  LOCATION,          348, "storage location") \
    F(BYTE,        INVENTORYMARKUP,   358, "use-global-mark-up flag") \
    F(REAL,        COST,              359, "unit cost") \
    F(REAL,        RETAIL,            367, "retail total") \
    F(REAL,        RETAIL2,           375, "price level 2") \
    F(REAL,        RETAIL3,           383, "price level 3") \
    F(BYTE,        TAXABLE,           391, "1 = subject to sales tax") \
    F(BYTE,        GST,               392, "goods-and-services tax amount") \
    F(REAL,        WEIGHT,            393, "weight") \
    F(LONG,        BACKORDERDATE,     401, "back-order date") \
    F(BYTE,        BACKORDERED,       405, "1 = back-ordered") \
    F(REAL,        AMOUNTBACKORDERED, 406, "quantity back-ordered") \
    F(String<1>,   SPECIALITEM,       414, "special-item marker (item has components in SPECIAL)") \
    F(String<50>,  ITEMPICTURE,       415, "picture file name") \
    F(String<1>,   PICTURE,           465, "picture marker")
#define STOCK_KEYS(K) \
    K(RecordNo_Key,        Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(StockNo_Key,         Dups,   Secondary, NoAutoNumber,      Asc(STOCKNO)) \
    K(StockNoRecordNo_Key, Dups,   Secondary, NoAutoNumber,      Asc(STOCKNO), Asc(RECORDNO)) \
    K(PartNo_Key,          Dups,   Secondary, NoAutoNumber,      Asc(PARTNO)) \
    K(Vendor_Key,          Dups,   Secondary, NoAutoNumber,      Asc(VENDOR)) \
    K(Manufactur_Key,      Dups,   Secondary, NoAutoNumber,      Asc(MANUFACTUR), Asc(PARTNO)) \
    K(Catagory_Key,        Dups,   Secondary, NoAutoNumber,      Asc(CATAGORY), Asc(STOCKNO)) \
    K(Description_Key,     Dups,   Secondary, NoAutoNumber,      Asc(DESCRIPTION)) \
    K(SpecialItem_Key,     Dups,   Secondary, NoAutoNumber,      Asc(SPECIALITEM), Asc(STOCKNO))

// SPECIAL
#define SPECIAL_FILE(X) X(SPECIAL, SPE, 168)
#define SPECIAL_MEMO(M)
#define SPECIAL_FIELDS(F) \
    F(LONG,        RECORDNO,    0,   "record number") \
    F(String<20>,  STOCKNO,     4,   "stock number") \
    F(String<20>,  STOCKNO1,    24,  "component stock number") \
    F(String<100>, DESCRIPTION, 44,  "description") \
    F(REAL,        AMOUNT,      144, "line or document amount") \
    F(REAL,        COST,        152, "unit cost") \
    F(REAL,        SINGLECOST,  160, "component unit cost")
#define SPECIAL_KEYS(K) \
    K(RecordNo_Key, Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(StockNo_Key,  Dups,   Secondary, NoAutoNumber,      Asc(STOCKNO)) \
    K(StockNo1_Key, Unique, Secondary, NoAutoNumber,      Asc(STOCKNO), Asc(STOCKNO1))

// STSTREND
#define STSTREND_FILE(X) X(STSTREND, STS, 58)
#define STSTREND_MEMO(M)
#define STSTREND_FIELDS(F) \
    F(LONG,       RECORDNO,       0,   "record number") \
    F(String<20>, STOCKNO,        4,   "stock number") \
    F(String<20>, PARTNO,         24,  "part number") \
    F(LONG,       DATERECEIVED,   44,  "date received") \
    F(SHORT,      MONTH,          48,  "month number 1-12 of DATE") \
    F(REAL,       AMOUNTRECEIVED, 50,  "quantity received")
#define STSTREND_KEYS(K) \
    K(RecordNo_Key,  Unique, Primary,   AutoWholeKey,      Asc(RECORDNO)) \
    K(StockNo_Key,   Dups,   Secondary, NoAutoNumber,      Asc(STOCKNO)) \
    K(PartNo_Key,    Dups,   Secondary, NoAutoNumber,      Asc(PARTNO)) \
    K(StockDate_Key, Dups,   Secondary, NoAutoNumber,      Asc(STOCKNO), Asc(DATERECEIVED))

// VENDOR
#define VENDOR_FILE(X) X(VENDOR, VEN, 367)
#define VENDOR_MEMO(M)
#define VENDOR_FIELDS(F) \
    F(LONG,       RECORDNO,       0,   "record number") \
    F(String<20>, ACCOUNTNO,      4,   "vendor account number") \
    F(String<15>, LNAME,          24,  "last name") \
    F(String<10>, FNAME,          39,  "first name") \
    F(String<20>, VENDOR,         49,  "vendor name") \
    F(String<40>, ADDRESS,        69,  "address line 1") \
    F(String<40>, ADDRESS2,       109, "address line 2") \
    F(String<40>, ADDRESS3,       149, "address line 3") \
    F(String<25>, CITY,           189, "city") \
    F(String<3>,  STATE,          214, "state or province code") \
    F(String<15>, COUNTRY,        217, "country") \
    F(String<10>, ZIPCODE,        232, "postal code") \
    F(String<15>, PHONENO,        242, "telephone number") \
    F(String<15>, FAXNO,          257, "fax number") \
    F(BYTE,       LONGDISTANCE,   272, "long-distance flag") \
    F(REAL,       BALANCE,        273, "outstanding balance") \
    F(String<50>, COMMENTS,       281, "comments") \
    F(String<35>, EMAILADDRESS,   331, "e-mail address") \
    F(BYTE,       FINANCEPRESENT, 366, "payment-history flag")
#define VENDOR_KEYS(K) \
    K(RecordNo_Key,     Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(VendorNo_Key,     Unique, Primary,   NoAutoNumber,      Asc(ACCOUNTNO)) \
    K(Vendor_Key,       Unique, Secondary, NoAutoNumber,      Asc(VENDOR)) \
    K(VendorName_Key,   Dups,   Secondary, NoAutoNumber,      Asc(LNAME), Asc(FNAME), Asc(ACCOUNTNO)) \
    K(Phone_Key,        Dups,   Secondary, NoAutoNumber,      Asc(PHONENO)) \
    K(CityState_Key,    Dups,   Secondary, NoAutoNumber,      Asc(CITY), Asc(STATE)) \
    K(EmailAddress_Key, Dups,   Secondary, NoAutoNumber,      Asc(EMAILADDRESS))

// VENFIN
#define VENFIN_FILE(X) X(VENFIN, VEF, 166)
#define VENFIN_MEMO(M)
#define VENFIN_FIELDS(F) \
    F(LONG,       RECORDNO,              0,   "record number") \
    F(String<20>, ACCOUNTNO,             4,   "vendor account number") \
    F(LONG,       PORDERNO,              24,  "purchase order number") \
    F(LONG,       DATE,                  28,  "date (day number)") \
    F(String<10>, TERMS,                 32,  "payment terms") \
    F(String<20>, MONEYORDERNO,          42,  "money order number") \
    F(LONG,       CHECKNO,               62,  "cheque number") \
    F(String<40>, BANK,                  66,  "bank name") \
    F(String<19>, CREDITCARDNO,          106, "credit card number") \
    F(String<5>,  CREDITCARDDATE,        125, "card expiry, mm/yy") \
    F(LONG,       CREDITCARDAUTHORIZENO, 130, "card authorisation number") \
    F(REAL,       AMOUNTTOTAL,           134, "document total") \
    F(REAL,       AMOUNTDUE,             142, "amount due") \
    F(REAL,       AMOUNTPAID,            150, "amount paid") \
    F(String<8>,  PAYMENTTERMS,          158, "payment method")
#define VENFIN_KEYS(K) \
    K(RecordNo_Key,   Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(POrderNo_Key,   Dups,   Secondary, NoAutoNumber,      Asc(PORDERNO)) \
    K(Date_Key,       Dups,   Secondary, NoAutoNumber,      Asc(DATE)) \
    K(VendorDate_Key, Dups,   Secondary, NoAutoNumber,      Asc(ACCOUNTNO), Asc(DATE)) \
    K(VendorNo_Key,   Dups,   Secondary, NoAutoNumber,      Asc(ACCOUNTNO))

// PURORDER
#define PURORDER_FILE(X) X(PURORDER, PUR, 372)
#define PURORDER_MEMO(M) M(MEMOS, "memo text")
#define PURORDER_FIELDS(F) \
    F(LONG,       RECORDNO,              0,   "record number") \
    F(LONG,       PORDERNO,              4,   "purchase order number") \
    F(String<20>, ACCOUNTNO,             8,   "vendor account number") \
    F(String<20>, VENDOR,                28,  "vendor name") \
    F(SHORT,      MONTH,                 48,  "month number 1-12 of DATE") \
    F(LONG,       DATE,                  50,  "date (day number)") \
    F(String<10>, TERMS,                 54,  "payment terms") \
    F(LONG,       CHECKNO,               64,  "cheque number") \
    F(String<40>, BANK,                  68,  "bank name") \
    F(String<19>, CREDITCARDNO,          108, "credit card number") \
    F(String<5>,  CREDITCARDDATE,        127, "card expiry, mm/yy") \
    F(LONG,       CREDITCARDAUTHORIZENO, 132, "card authorisation number") \
    F(String<20>, MONEYORDERNO,          136, "money order number") \
    F(REAL,       CUSTOMERDISCOUNT,      156, "discount (percent)") \
    F(REAL,       AMOUNT,                164, "line or document amount") \
    F(REAL,       TAX,                   172, "sales tax amount") \
    F(REAL,       GST,                   180, "goods-and-services tax amount") \
    F(REAL,       LABOR,                 188, "labour amount") \
    F(REAL,       COST,                  196, "unit cost") \
    F(REAL,       RETAIL,                204, "retail total") \
    F(REAL,       TOTALDISCOUNT,         212, "total discount") \
    F(REAL,       AMOUNTPAID,            220, "amount paid") \
    F(REAL,       TOTALDUE,              228, "total due") \
    F(LONG,       DATEPAID,              236, "date paid") \
    F(REAL,       AMOUNTOWED,            240, "amount still owed") \
    F(REAL,       SHIPPING,              248, "shipping charge") \
    F(String<10>, SHIPPINGMETHOD,        256, "shipping method") \
    F(String<20>, SHIPPINGTRACKINGNO,    266, "tracking number") \
    F(LONG,       SHIPPINGDATE,          286, "shipping date") \
    F(BYTE,       TAXSHIPPING,           290, "1 = shipping is taxed") \
    F(REAL,       SHIPPINGTAX,           291, "tax on shipping") \
    F(REAL,       COD,                   299, "cash-on-delivery charge") \
    F(String<8>,  PAYMENTTERMS,          307, "payment method") \
    F(String<1>,  PRINTED,               315, "printed marker") \
    F(BYTE,       CREDITCHECK,           316, "credit-check flag") \
    F(String<50>, TAXINFO,               317, "tax description printed on the document") \
    F(LONG,       DATERECVEIVED,         367, "date received") \
    F(BYTE,       REBILL,                371, "1 = recurring (re-billed)")
#define PURORDER_KEYS(K) \
    K(RecordNo_Key,     Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(POrderNo_Key,     Unique, Primary,   AutoWholeKey,      Asc(PORDERNO)) \
    K(Vendor_Key,       Unique, Secondary, NoAutoNumber,      Asc(ACCOUNTNO), Asc(PORDERNO)) \
    K(Date_Key,         Dups,   Secondary, NoAutoNumber,      Asc(DATE)) \
    K(POrderRebill_Key, Dups,   Secondary, NoAutoNumber,      Asc(REBILL), Asc(PORDERNO)) \
    K(VendorName_Key,   Dups,   Secondary, NoAutoNumber,      Asc(VENDOR), Asc(PORDERNO))

// PURDESCRIPTION
#define PURDESCRIPTION_FILE(X) X(PURDESCRIPTION, PUD, 382)
#define PURDESCRIPTION_MEMO(M)
#define PURDESCRIPTION_FIELDS(F) \
    F(LONG,        PURORDERNO,     0,   "purchase order number") \
    F(LONG,        RECORDNO,       4,   "record number") \
    F(LONG,        ITEMNO,         8,   "line number within the document") \
    F(String<20>,  VENDOR,         12,  "vendor name") \
    F(String<10>,  CATAGORY,       32,  "stock category") \
    F(String<200>, DESCRIPTION,    42,  "description") \
    F(REAL,        QUANTITY,       242, "quantity") \
    F(String<10>,  PACKAGESIZE,    250, "package size / unit") \
    F(REAL,        COST,           260, "unit cost") \
    F(REAL,        AMOUNTCOST,     268, "line cost (quantity × cost)") \
    F(REAL,        AMOUNT,         276, "line or document amount") \
    F(REAL,        DISCOUNTAMOUNT, 284, "discount amount") \
    F(REAL,        TAX,            292, "sales tax amount") \
    F(REAL,        GST,            300, "goods-and-services tax amount") \
    F(REAL,        LABOR,          308, "labour amount") \
    F(String<20>,  STOCKNO,        316, "stock number") \
    F(String<20>,  PARTNO,         336, "part number") \
    F(LONG,        DATE,           356, "date (day number)") \
    F(SHORT,       MONTH,          360, "month number 1-12 of DATE") \
    F(BYTE,        TAXABLE,        362, "1 = subject to sales tax") \
    F(BYTE,        GSTTAXABLE,     363, "1 = subject to GST") \
    F(REAL,        WEIGHT,         364, "weight") \
    F(String<10>,  LOCATION,       372, "storage location")
#define PURDESCRIPTION_KEYS(K) \
    K(PurOrderItem_Key, Dups,   Secondary, AutoLastComponent, Asc(PURORDERNO), Asc(ITEMNO)) \
    K(PurOrderNo_Key,   Dups,   Secondary, NoAutoNumber,      Asc(PURORDERNO)) \
    K(Vendor_Key,       Dups,   Secondary, NoAutoNumber,      Asc(VENDOR), Asc(STOCKNO)) \
    K(Description_Key,  Dups,   Secondary, NoAutoNumber,      Asc(DESCRIPTION)) \
    K(Catagory_Key,     Dups,   Secondary, NoAutoNumber,      Asc(CATAGORY)) \
    K(StockNo_Key,      Dups,   Secondary, NoAutoNumber,      Asc(STOCKNO)) \
    K(Date_Key,         Dups,   Secondary, NoAutoNumber,      Asc(DATE), Asc(STOCKNO)) \
    K(Month_Key,        Dups,   Secondary, NoAutoNumber,      Asc(MONTH), Asc(STOCKNO))

// MEMOS
#define MEMOS_FILE(X) X(MEMOS, MEM, 54)
#define MEMOS_MEMO(M) M(MEMOS, "memo text")
#define MEMOS_FIELDS(F) \
    F(LONG,       RECORDNO, 0,   "record number") \
    F(String<50>, TITLE,    4,   "memo title")
#define MEMOS_KEYS(K) \
    K(RecordNo_Key, Dups,   Secondary, AutoWholeKey,      Asc(RECORDNO)) \
    K(Title_Key,    Unique, Secondary, NoAutoNumber,      Asc(TITLE))

// SETUP
#define SETUP_FILE(X) X(SETUP, SET, 774)
#define SETUP_MEMO(M)
#define SETUP_FIELDS(F) \
    F(BYTE,       RECORDNO,             0,   "record number") \
    F(LONG,       DATE,                 1,   "date the setup record was created") \
    F(String<40>, COMPANYNAME,          5,   "company name") \
    F(String<40>, ADDRESS,              45,  "address line 1") \
    F(String<40>, ADDRESS2,             85,  "address line 2") \
    F(String<40>, ADDRESS3,             125, "address line 3") \
    F(String<25>, CITY,                 165, "city") \
    F(String<3>,  STATE,                190, "state or province code") \
    F(String<15>, COUNTRY,              193, "country") \
    F(String<10>, ZIPCODE,              208, "postal code") \
    F(String<15>, PHONENO,              218, "telephone number") \
    F(String<15>, FAXNO,                233, "fax number") \
    F(String<20>, TAXNUMBER,            248, "tax (resale) number") \
    F(REAL,       LABORRATE,            268, "default labour rate") \
    F(BYTE,       CANADIAN,             276, "tax system: 1 Canadian (GST/PST), 2 European (VAT), 3 United States (TAX), 4 International (GST)") \
    F(REAL,       GST,                  277, "GST rate (percent)") \
    F(String<20>, GSTNUMBER,            285, "GST registration number") \
    F(BYTE,       PRINTPREVIEW,         305, "1 = preview all reports before printing") \
    F(BYTE,       PRINTINVOICE,         306, "1 = print invoices, credit memos and purchase orders automatically") \
    F(BYTE,       PRINTCHOICE,          307, "1 = documents are printed on pre-printed forms") \
    F(BYTE,       PRINTSHIPPING,        308, "1 = print the shipping address on documents") \
    F(String<50>, REPORTMEMO,           309, "report memo text") \
    F(BYTE,       SORTORDER,            359, "sort-order option") \
    F(String<15>, LASTNAME,             360, "user last name") \
    F(String<10>, FIRSTNAME,            375, "user first name") \
    F(LONG,       RESERVED1,            385, "reserved; written as 0") \
    F(BYTE,       RESERVED2,            389, "reserved; written as 0") \
    F(String<50>, NETWORKPATH,          390, "file name of the logo picture for documents") \
    F(BYTE,       PRINTMEMOTOPBOTTOM,   440, "memo position option") \
    F(BYTE,       PICKLIST,             441, "1 = print a pick list with each invoice") \
    F(SHORT,      LABELTYPE,            442, "customer address label stock: 4144, 8160 or 8161") \
    F(SHORT,      LABEL1TYPE,           444, "customer shipping label stock: 8163 or 8164") \
    F(String<5>,  DATENAME,             446, "date picture: \"@d2b\" (mm/dd/yyyy), \"@d6b\" (dd/mm/yyyy) or \"@d10b\" (yyyy/mm/dd)") \
    F(BYTE,       CURRENCYTYPE,         451, "money display format 1-12") \
    F(String<35>, EMAILADDRESS,         452, "e-mail address") \
    F(String<20>, COMPANYHEADER,        487, "company header text") \
    F(String<15>, PAPERSIZE,            507, "paper size name: \"PAPER:LETTER\", \"PAPER:A4\" or \"PAPER:A4SMALL\"") \
    F(String<15>, ENVELOPESIZE,         522, "envelope size name: \"PAPER:ENV_10\", \"PAPER:ENV_11\" or \"PAPER:ENV_DL\"") \
    F(BYTE,       REMOVERETURNADDRESS,  537, "1 = print the return address on envelopes") \
    F(REAL,       INVENTORYMARKUP,      538, "global mark-up (percent)") \
    F(BYTE,       AUTOTAXITEM,          546, "1 = tax all inventory items") \
    F(REAL,       CUSTOMERTAXRATE,      547, "global customer tax rate") \
    F(String<10>, PASSWORD,             555, "blank: the password is kept only as PASSWORDHASH") \
    F(BYTE,       PASSWORDCHANGE,       565, "1 = password guards changes") \
    F(BYTE,       PASSWORDDELETE,       566, "1 = password guards deletes") \
    F(BYTE,       LOGOSIZE,             567, "logo orientation (1 or 2)") \
    F(BYTE,       RUNFIX,               568, "one-time fix marker") \
    F(String<40>, LABELLINE,            569, "note line printed on documents") \
    F(BYTE,       TAXABLE,              609, "1 = labour is taxed") \
    F(BYTE,       TAXSHIPPING,          610, "1 = shipping charges are taxed") \
    F(BYTE,       PROHIBITESELLING,     611, "1 = prohibit selling items below the minimum on hand") \
    F(String<10>, PRICE1,               612, "heading of price level 1") \
    F(String<10>, PRICE2,               622, "heading of price level 2") \
    F(String<10>, PRICE3,               632, "heading of price level 3") \
    F(BYTE,       REDLINEINVOICE,       642, "1 = red-line overdue invoices") \
    F(BYTE,       REDLINECUSTOMER,      643, "1 = red-line open customer accounts") \
    F(BYTE,       REDLINEINVENTORY,     644, "1 = red-line inventory at or below the minimum on hand") \
    F(BYTE,       REDLINEPURCHASEORDER, 645, "1 = red-line unpaid purchase orders") \
    F(String<128>, PASSWORDHASH,        646, "the password as a salted Argon2id hash; blank: no password")
#define SETUP_KEYS(K) \
    K(RecordNo_Key, Unique, Primary,   NoAutoNumber,      Asc(RECORDNO))

// TOTALINV
#define TOTALINV_FILE(X) X(TOTALINV, TOT, 80)
#define TOTALINV_MEMO(M)
#define TOTALINV_FIELDS(F) \
    F(LONG, RECORDNO, 0,   "record number") \
    F(REAL, COST,     4,   "cost total") \
    F(REAL, RETAIL,   12,  "retail total") \
    F(REAL, DISCOUNT, 20,  "discount total") \
    F(REAL, COD,      28,  "COD total") \
    F(REAL, SHIPPING, 36,  "shipping total") \
    F(REAL, TAX,      44,  "tax total") \
    F(REAL, LABOR,    52,  "labour total") \
    F(REAL, TOTALDUE, 60,  "total due") \
    F(REAL, GST,      68,  "GST total") \
    F(LONG, DATE,     76,  "date")
#define TOTALINV_KEYS(K) \
    K(RecordNo_Key, Unique, Primary,   NoAutoNumber,      Asc(RECORDNO))

// TAGFILE_
#define TAGFILE__FILE(X) X(TAGFILE_, TF_, 20)
#define TAGFILE__MEMO(M)
#define TAGFILE__FIELDS(F) \
    F(LONG,       USR, 0,   "owner of the tag") \
    F(SHORT,      TBL, 4,   "tag table number") \
    F(LONG,       PTR, 6,   "number of the tagged record") \
    F(String<10>, VAL, 10,  "tag value")
#define TAGFILE__KEYS(K) \
    K(PtrKey, Unique, Primary,   NoAutoNumber,      Asc(USR), Asc(TBL), Asc(PTR)) \
    K(ValKey, Dups,   Secondary, NoAutoNumber,      Asc(USR), Asc(TBL), Asc(VAL))

// TAGFILEPOS_
#define TAGFILEPOS__FILE(X) X(TAGFILEPOS_, TP_, 272)
#define TAGFILEPOS__MEMO(M)
#define TAGFILEPOS__FIELDS(F) \
    F(LONG,        USR, 0,   "owner of the tag") \
    F(SHORT,       TBL, 4,   "tag table number") \
    F(String<256>, POS, 6,   "key value or position of the tagged record") \
    F(String<10>,  VAL, 262, "tag value")
#define TAGFILEPOS__KEYS(K) \
    K(PosKey, Unique, Primary,   NoAutoNumber,      Asc(USR), Asc(TBL), Asc(POS)) \
    K(ValKey, Dups,   Secondary, NoAutoNumber,      Asc(USR), Asc(TBL), Asc(VAL))

// TAGSET_
#define TAGSET__FILE(X) X(TAGSET_, TS_, 314)
#define TAGSET__MEMO(M)
#define TAGSET__FIELDS(F) \
    F(SHORT,       TBL,         0,   "tag table number") \
    F(LONG,        USR,         2,   "owner of the tag") \
    F(String<50>,  SOURCE,      6,   "source of the saved set") \
    F(LONG,        DATE,        56,  "date (day number)") \
    F(LONG,        COUNT,       60,  "number of tags in the set") \
    F(String<250>, DESCRIPTION, 64,  "description")
#define TAGSET__KEYS(K) \
    K(TblKey,           Unique, Primary,   NoAutoNumber,      Asc(TBL)) \
    K(UsrTblKey,        Dups,   Secondary, NoAutoNumber,      Asc(USR), Asc(TBL)) \
    K(UsrSourceDateKey, Dups,   Secondary, NoAutoNumber,      Asc(USR), Asc(SOURCE), Asc(DATE))

// The data files, in the order of FileId.
#define DICTIONARY_FILES(X) \
    X(CUSTOMER) \
    X(INVOICE) \
    X(DESCRIPTION) \
    X(CREDIT) \
    X(CRSCRIPTION) \
    X(FINANCE) \
    X(STOCK) \
    X(SPECIAL) \
    X(STSTREND) \
    X(VENDOR) \
    X(VENFIN) \
    X(PURORDER) \
    X(PURDESCRIPTION) \
    X(MEMOS) \
    X(SETUP) \
    X(TOTALINV) \
    X(TAGFILE_) \
    X(TAGFILEPOS_) \
    X(TAGSET_)
