// A second station for the tests: runs one job on a data folder in its own process.
//   worker FOLDER insert-invoices N        numbers N new invoices, prints each number
//   worker FOLDER write-loop               adds a customer and its payment in one unit, forever,
//                                          printing how many pairs are committed
//   worker FOLDER set-company CUSTNO TEXT  changes one customer's company
//   worker FOLDER set-balance CUSTNO AMOUNT changes one customer's balance
//   worker FOLDER hold-exclusive SECONDS   holds the customer file (and so the database) exclusively
//   worker FOLDER hold-open SECONDS        has the customer file open, as an idle station has
//   worker FOLDER start-up                 the program's start-up settings; prints first-run,
//                                          loaded or failed
//   worker FOLDER set-setup-company TEXT   changes the company name in the program setup
//   worker FOLDER book-invoices CUSTNO STOCKNO N  books N invoices of one line of the item each,
//                                          as the invoice windows book them; prints each number
//   worker FOLDER enter-invoice STOCKNO   starts an invoice as the invoice form does (claimed, one
//                                          line of the item taking its stock), prints its number
//                                          and waits to be killed
//   worker FOLDER enter-credit-memo STOCKNO   the same for a credit memo: its line gives one back
//   worker FOLDER enter-purchase-order STOCKNO   the same for a purchase order: its line puts one on
//                                          back order
//   worker FOLDER random-books SEED N      N random saves, changes and deletes of invoices and
//                                          payments of customers C1-C3 and items A, B
//   worker FOLDER random-books-forever SEED     the same without end, printing the count of steps
//                                          done, until it is killed
//   worker FOLDER random-vendor-books SEED N   N random orders (with lines), changes, deletes,
//                                          receipts and vendor payments of vendors V1, V2 and
//                                          items A, B
//   worker FOLDER tag ptr|pos TABLE VALUE...    tags each value (tag user 0), prints the count
//   worker FOLDER untag ptr|pos TABLE VALUE...  clears each value's tag, prints the count
#include "app/common/maintenancemessages.h"
#include "app/creditmemos/creditbook.h"
#include "app/creditmemos/creditmessages.h"
#include "app/invoices/invoicemessages.h"
#include "app/payments/paymentmessages.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemath.h"
#include "app/common/entryclaims.h"
#include "app/payments/paymentbook.h"
#include "app/purchasing/purchasebook.h"
#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/vendorpayments.h"
#include "app/setup/startup.h"
#include "dictionary/files.h"
#include "dictionary/schema.h"
#include "dictionary/unitofwork.h"
#include "framework/reportslib.h"
#include "tagging/tags.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>

namespace {

int insertInvoices(int count)
{
    if (Access::INVOICE.Open() != dict::Benign)
        return 2;
    for (int i = 0; i < count; ++i) {
        Access::INVOICE.PrimeRecord();
        INV.CUSTOMERNO = "W" + std::to_string(::getpid());
        if (Access::INVOICE.Insert() != dict::Benign)
            return 3;
        std::printf("%d\n", static_cast<int>(INV.INVOICENO));
    }
    Access::INVOICE.Close();
    return 0;
}

[[noreturn]] void writeLoop()
{
    Access::CUSTOMER.Open();
    Access::FINANCE.Open();
    for (long n = 1;; ++n) {
        dict::UnitOfWork unit{&Access::CUSTOMER, &Access::FINANCE};
        Access::CUSTOMER.PrimeRecord();
        CUS.CUSTOMERNO = "K" + std::to_string(n);
        Access::CUSTOMER.Insert();
        Access::FINANCE.PrimeRecord();
        FIN.CUSTOMERNO = CUS.CUSTOMERNO.view();
        FIN.AMOUNTDUE = 1.0;
        Access::FINANCE.Insert();
        if (unit.Commit() == dict::Benign) {
            std::printf("%ld\n", n);
            std::fflush(stdout);
        }
    }
}

int setCompany(const char *customerNo, const char *company)
{
    if (Access::CUSTOMER.Open() != dict::Benign)
        return 2;
    CUS.CUSTOMERNO = customerNo;
    if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign)
        return 3;
    CUS.COMPANY = company;
    return Access::CUSTOMER.Update() == dict::Benign ? 0 : 4;
}

int setBalance(const char *customerNo, double balance)
{
    if (Access::CUSTOMER.Open() != dict::Benign)
        return 2;
    CUS.CUSTOMERNO = customerNo;
    if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign)
        return 3;
    CUS.BALANCE = balance;
    return Access::CUSTOMER.Update() == dict::Benign ? 0 : 4;
}

int holdOpen(dict::storage::OpenMode mode, int seconds)
{
    Access::CUSTOMER.SetOpenMode(mode);
    if (Access::CUSTOMER.Open() != dict::Benign)
        return 2;
    std::printf("held\n");
    std::fflush(stdout);
    ::sleep(static_cast<unsigned>(seconds));
    return 0;
}

int startUp()
{
    const app::StartResult result = app::StartUp();
    std::printf("%s\n", result == app::StartResult::FirstRun ? "first-run"
                         : result == app::StartResult::Loaded ? "loaded"
                                                              : "failed");
    return result == app::StartResult::Failed ? 2 : 0;
}

int setSetupCompany(const char *company)
{
    if (Access::SETUP.Open() != dict::Benign)
        return 2;
    SET.RECORDNO = 1;
    if (Access::SETUP.TryFetch(SET.RecordNo_Key) != dict::Benign)
        return 3;
    SET.COMPANYNAME = company;
    return Access::SETUP.Update() == dict::Benign ? 0 : 4;
}

int openBooks()
{
    for (dict::RelationManager *file : {&Relate::INVOICE, &Relate::DESCRIPTION, &Relate::CUSTOMER, &Relate::STOCK})
        if (file->Open() != dict::Benign)
            return 2;
    for (dict::FileManager *file :
         {&Access::FINANCE, &Access::TOTALINV, &Access::SPECIAL, &Access::CREDIT, &Access::CRSCRIPTION})
        if (file->Open() != dict::Benign)
            return 2;
    return 0;
}

// One of the item at 10.00 on the invoice in INV, booked as the line form books it; 0, or the
// exit status that says what failed.
int bookOneLine(const char *stockNo)
{
    STO.STOCKNO = stockNo;
    if (Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign)
        return 4;
    dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
    DES.INVOICENO = INV.INVOICENO;
    Access::DESCRIPTION.PrimeRecord(true);
    DES.STOCKNO = stockNo;
    DES.RECORDNO = STO.RECORDNO;
    DES.QUANTITY = 1;
    DES.PRICE = 10;
    DES.TAXABLE = 1;
    app::invoices::computeLine(DES, app::invoices::lineTermsOf(INV, false));
    return app::invoices::bookLine(true, {}, true) == dict::Benign ? 0 : 5;
}

int bookInvoices(const char *customerNo, const char *stockNo, int count)
{
    if (openBooks() != 0)
        return 2;
    for (int i = 0; i < count; ++i) {
        if (Access::INVOICE.PrimeRecord() != dict::Benign)
            return 3;
        INV.CUSTOMERNO = customerNo;
        INV.TAXRATE = 0.08;
        if (const int line = bookOneLine(stockNo); line != 0)
            return line;
        bool holds = true;
        if (app::invoices::saveInvoice(true, holds) != dict::Benign)
            return 5;
        std::printf("%d\n", static_cast<int>(INV.INVOICENO));
        std::fflush(stdout);
    }
    return 0;
}

[[noreturn]] void enterInvoice(const char *stockNo)
{
    if (openBooks() != 0 || Access::INVOICE.PrimeRecord() != dict::Benign || !app::claimEntry(app::Entry::Invoice, INV.INVOICENO))
        std::exit(2);
    if (const int line = bookOneLine(stockNo); line != 0)
        std::exit(line);
    std::printf("%d\n", static_cast<int>(INV.INVOICENO));
    std::fflush(stdout);
    for (;;)
        ::pause();
}

[[noreturn]] void enterCreditMemo(const char *stockNo)
{
    if (openBooks() != 0 || Access::CREDIT.PrimeRecord() != dict::Benign
        || !app::claimEntry(app::Entry::CreditMemo, CRE.CREDITMEMONO))
        std::exit(2);
    STO.STOCKNO = stockNo;
    if (Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign)
        std::exit(4);
    dict::clearRecord(Access::CRSCRIPTION.Def(), &CRS);
    CRS.CREDITMEMONO = CRE.CREDITMEMONO;
    Access::CRSCRIPTION.PrimeRecord(true);
    CRS.STOCKNO = stockNo;
    CRS.RECORDNO = STO.RECORDNO;
    CRS.QUANTITY = 1;
    CRS.PRICE = 10;
    if (app::creditmemos::bookCreditLine(true, {}) != dict::Benign)
        std::exit(5);
    std::printf("%d\n", static_cast<int>(CRE.CREDITMEMONO));
    std::fflush(stdout);
    for (;;)
        ::pause();
}

[[noreturn]] void enterPurchaseOrder(const char *stockNo)
{
    for (dict::FileManager *file : {&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENFIN, &Access::VENDOR})
        if (file->Open() != dict::Benign)
            std::exit(2);
    if (openBooks() != 0 || Access::PURORDER.PrimeRecord() != dict::Benign
        || !app::claimEntry(app::Entry::PurchaseOrder, PUR.PORDERNO))
        std::exit(2);
    STO.STOCKNO = stockNo;
    if (Access::STOCK.TryFetch(STO.StockNo_Key) != dict::Benign)
        std::exit(4);
    dict::clearRecord(Access::PURDESCRIPTION.Def(), &PUD);
    PUD.PURORDERNO = PUR.PORDERNO;
    Access::PURDESCRIPTION.PrimeRecord(true);
    PUD.STOCKNO = stockNo;
    PUD.RECORDNO = STO.RECORDNO;
    PUD.QUANTITY = 1;
    PUD.COST = 5;
    PUD.AMOUNTCOST = 5;
    if (app::purchasing::bookOrderLine(true, {}) != dict::Benign)
        std::exit(5);
    std::printf("%d\n", static_cast<int>(PUR.PORDERNO));
    std::fflush(stdout);
    for (;;)
        ::pause();
}

// One random action on the books, as the windows would take it.
class RandomBooks
{
public:
    explicit RandomBooks(unsigned seed) : random_(seed)
    {
        // A refused action says why, as the windows would.
        app::installInvoiceMessages(REPORTS::Errors());
        app::installPaymentMessages(REPORTS::Errors());
        app::installCreditMemoMessages(REPORTS::Errors());
        app::installMaintenanceMessages(REPORTS::Errors());
    }

    int step()
    {
        switch (pick(9)) {
        case 0: return newInvoice();
        case 1: return changeInvoice();
        case 2: return fetchInvoice() ? app::invoices::deleteInvoice(INV.INVOICENO, true) : dict::Benign;
        case 3: return newPayment();
        case 4: return fetchPayment() ? changePayment() : dict::Benign;
        case 5: return fetchPayment() ? app::payments::deletePayment() : dict::Benign;
        case 6: return newCreditMemo();
        case 7: return fetchCreditLine() ? changeCreditLine() : dict::Benign;
        default: return fetchCreditMemo() ? app::creditmemos::deleteCreditMemo(CRE.CREDITMEMONO) : dict::Benign;
        }
    }

private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    double cents(int most) { return pick(most * 100) / 100.0 + 0.01; }
    std::string customer() { return "C" + std::to_string(1 + pick(3)); }

    bool fetchInvoice()
    {
        INV.INVOICENO = 1 + pick(std::max(60, highestInvoice_ + 5));
        return Access::INVOICE.TryFetch(INV.InvoiceNo_Key) == dict::Benign && !INV.CUSTOMERNO.blank();
    }

    bool fetchPayment()
    {
        FIN.RECORDNO = 1 + pick(std::max(200, highestPayment_ + 5));
        return Access::FINANCE.TryFetch(FIN.RecordNo_Key) == dict::Benign && app::payments::isPayment(FIN);
    }

    int addLine()
    {
        STO.STOCKNO = pick(2) == 0 ? "A" : "B";
        Access::STOCK.TryFetch(STO.StockNo_Key);
        dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
        DES.INVOICENO = INV.INVOICENO;
        Access::DESCRIPTION.PrimeRecord(true);
        DES.STOCKNO = STO.STOCKNO;
        DES.RECORDNO = STO.RECORDNO;
        DES.QUANTITY = 1 + pick(5);
        DES.PRICE = cents(40);
        DES.TAXABLE = 1;
        app::invoices::computeLine(DES, app::invoices::lineTermsOf(INV, false));
        return app::invoices::bookLine(true, {}, INV.QUOTES == 0);
    }

    int newInvoice()
    {
        if (Access::INVOICE.PrimeRecord() != dict::Benign)
            return dict::Notify;
        INV.CUSTOMERNO = customer();
        INV.TAXRATE = 0.0725;
        INV.QUOTES = pick(5) == 0 ? 1 : 0;
        for (int lines = 1 + pick(3); lines > 0; --lines)
            if (addLine() != dict::Benign)
                return dict::Notify;
        bool holds = INV.QUOTES == 0;
        highestInvoice_ = std::max(highestInvoice_, static_cast<int>(INV.INVOICENO));
        return app::invoices::saveInvoice(true, holds);
    }

    int changeInvoice()
    {
        if (!fetchInvoice())
            return dict::Benign;
        bool holds = INV.QUOTES == 0;
        INV.SHIPPING = cents(20);
        INV.QUOTES = 0; // a quote becomes an invoice
        if (pick(3) == 0)
            INV.CUSTOMERNO = customer(); // refused while paid: that is fine
        app::invoices::saveInvoice(false, holds);
        return dict::Benign;
    }

    int newPayment()
    {
        if (!fetchInvoice() || INV.QUOTES != 0 || INV.AMOUNTOWED < 0.02)
            return dict::Benign;
        const dict::INVOICERecord invoice = INV;
        Access::FINANCE.PrimeRecord();
        FIN.CUSTOMERNO = invoice.CUSTOMERNO;
        FIN.INVOICENO = invoice.INVOICENO;
        FIN.TERMS = "Cash";
        FIN.AMOUNTPAID = 0.01 + pick(static_cast<int>(invoice.AMOUNTOWED * 100)) / 100.0;
        FIN.AMOUNTDUE = -FIN.AMOUNTPAID;
        const int saved = app::payments::savePayment(true);
        highestPayment_ = std::max(highestPayment_, static_cast<int>(FIN.RECORDNO));
        return saved;
    }

    bool fetchCreditMemo()
    {
        CRE.CREDITMEMONO = 1 + pick(std::max(20, highestMemo_ + 3));
        return Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key) == dict::Benign && !CRE.CUSTOMERNO.blank();
    }

    bool fetchCreditLine()
    {
        if (!fetchCreditMemo())
            return false;
        CRS.CREDITMEMONO = CRE.CREDITMEMONO;
        CRS.ITEMNO = 1 + pick(3);
        return Access::CRSCRIPTION.TryFetch(CRS.CreditMemoNo_Key) == dict::Benign;
    }

    // A memo of an invoice, its lines copied, saved; some are of an invoice refused (a quote).
    int newCreditMemo()
    {
        if (!fetchInvoice())
            return dict::Benign;
        const dict::LONG invoiceNo = INV.INVOICENO;
        if (Access::CREDIT.PrimeRecord() != dict::Benign)
            return dict::Notify;
        CRE.INVOICENO = invoiceNo;
        CRE.DATE = 80000;
        const dict::LONG memoNo = CRE.CREDITMEMONO;
        highestMemo_ = std::max(highestMemo_, static_cast<int>(memoNo));
        if (app::creditmemos::copyInvoiceLines(memoNo, invoiceNo) != dict::Benign
            || app::creditmemos::saveCreditMemo(true) != dict::Benign)
            return app::creditmemos::cancelNewCreditMemo(memoNo);
        return dict::Benign;
    }

    int changeCreditLine()
    {
        const dict::CRSCRIPTIONRecord before = CRS;
        CRS.QUANTITY = 1 + pick(4);
        app::creditmemos::computeCreditLine(CRS, CRE, false);
        return app::creditmemos::bookCreditLine(false, before);
    }

    int changePayment()
    {
        FIN.AMOUNTPAID = cents(10);
        FIN.AMOUNTDUE = -FIN.AMOUNTPAID;
        app::payments::savePayment(false);
        return dict::Benign;
    }

    std::mt19937 random_;
    int highestMemo_ = 0;
    int highestInvoice_ = 0; // the numbers handed out so far, so that every record may be picked
    int highestPayment_ = 0;
};

int randomBooks(unsigned seed, int count)
{
    if (openBooks() != 0)
        return 2;
    RandomBooks books(seed);
    for (int i = 0; i < count; ++i)
        books.step();
    std::printf("done\n");
    return 0;
}

[[noreturn]] void randomBooksForever(unsigned seed)
{
    if (openBooks() != 0)
        std::exit(2);
    RandomBooks books(seed);
    for (long n = 1;; ++n) {
        books.step();
        std::printf("%ld\n", n);
        std::fflush(stdout);
    }
}

// One random action on the vendor side of the books, as the order and payment windows take it.
class RandomVendorBooks
{
public:
    explicit RandomVendorBooks(unsigned seed) : random_(seed)
    {
        app::installPurchaseMessages(REPORTS::Errors());
        app::installMaintenanceMessages(REPORTS::Errors());
    }

    static int open()
    {
        for (dict::FileManager *file : {&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENFIN, &Access::VENDOR,
                                        &Access::STOCK, &Access::TOTALINV, &Access::STSTREND})
            if (file->Open() != dict::Benign)
                return 2;
        return 0;
    }

    void step()
    {
        namespace pur = app::purchasing;
        switch (pick(10)) {
        case 0: case 1: newOrder(); break;
        case 2: if (fetchOrder()) changeLine(); break;
        case 3: if (fetchOrder()) pur::saveOrder(false, pick(3) == 0 ? cents(20) : 0.0); break;
        case 4: if (fetchOrder()) pur::deleteOrder(PUR.PORDERNO); break;
        case 5: if (fetchOrder()) pur::receiveOrder(PUR.PORDERNO, 82100); break;
        case 6: case 7: newPayment(); break;
        case 8: if (fetchPayment()) changePayment(); break;
        default: if (fetchPayment()) pur::deleteVendorPayment(); break;
        }
    }

private:
    int pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    double cents(int most) { return pick(most * 100) / 100.0 + 0.01; }

    bool fetchOrder()
    {
        PUR.PORDERNO = 1 + pick(std::max(30, highestOrder_ + 5));
        return Access::PURORDER.TryFetch(PUR.POrderNo_Key) == dict::Benign && !PUR.ACCOUNTNO.blank();
    }

    bool fetchPayment()
    {
        VEF.RECORDNO = 1 + pick(std::max(60, highestPayment_ + 5));
        return Access::VENFIN.TryFetch(VEF.RecordNo_Key) == dict::Benign && app::purchasing::isVendorPayment(VEF);
    }

    int addLine()
    {
        STO.STOCKNO = pick(2) == 0 ? "A" : "B";
        Access::STOCK.TryFetch(STO.StockNo_Key);
        dict::clearRecord(Access::PURDESCRIPTION.Def(), &PUD);
        PUD.PURORDERNO = PUR.PORDERNO;
        Access::PURDESCRIPTION.PrimeRecord(true);
        PUD.STOCKNO = STO.STOCKNO;
        PUD.RECORDNO = STO.RECORDNO;
        PUD.QUANTITY = 1 + pick(5);
        PUD.COST = cents(30);
        PUD.AMOUNTCOST = PUD.QUANTITY * PUD.COST;
        PUD.DATE = PUR.DATE;
        return app::purchasing::bookOrderLine(true, {});
    }

    void newOrder()
    {
        if (Access::PURORDER.PrimeRecord() != dict::Benign)
            return;
        PUR.ACCOUNTNO = pick(2) == 0 ? "V1" : "V2";
        PUR.DATE = 82000 + pick(5);
        highestOrder_ = std::max(highestOrder_, static_cast<int>(PUR.PORDERNO));
        const dict::LONG orderNo = PUR.PORDERNO;
        bool lines = true;
        for (int n = 1 + pick(3); n > 0 && lines; --n)
            lines = addLine() == dict::Benign;
        if (!lines || app::purchasing::saveOrder(true, pick(4) == 0 ? cents(10) : 0.0) != dict::Benign)
            app::purchasing::cancelNewOrder(orderNo);
    }

    // A line added, or one changed to another quantity (refused on a received order).
    void changeLine()
    {
        const auto lines = app::purchasing::linesOf(PUR.PORDERNO);
        if (lines.empty() || pick(2) == 0) {
            addLine();
            return;
        }
        static_cast<dict::PURDESCRIPTIONRecord &>(PUD) = lines[pick(static_cast<int>(lines.size()))].line;
        Access::PURDESCRIPTION.TryFetch(PUD.PurOrderItem_Key);
        const dict::PURDESCRIPTIONRecord before = PUD;
        PUD.QUANTITY = 1 + pick(6);
        PUD.AMOUNTCOST = PUD.QUANTITY * PUD.COST;
        app::purchasing::bookOrderLine(false, before);
    }

    // Against an order that still owes, up to what it owes, or now and then on account.
    void newPayment()
    {
        const bool onAccount = pick(4) == 0;
        if (!onAccount && (!fetchOrder() || PUR.AMOUNTOWED < 0.02))
            return;
        const dict::PURORDERRecord order = PUR;
        Access::VENFIN.PrimeRecord();
        VEF.ACCOUNTNO = onAccount ? dict::String<20>(pick(2) == 0 ? "V1" : "V2") : order.ACCOUNTNO;
        VEF.PORDERNO = onAccount ? dict::LONG(0) : dict::LONG(order.PORDERNO);
        VEF.DATE = 82010;
        VEF.AMOUNTPAID = onAccount ? cents(20) : 0.01 + pick(static_cast<int>(order.AMOUNTOWED * 100)) / 100.0;
        if (app::purchasing::saveVendorPayment(true) != dict::Benign)
            Access::VENFIN.CancelAutoInc();
        highestPayment_ = std::max(highestPayment_, static_cast<int>(VEF.RECORDNO));
    }

    // Refused when the order owes less than the change asks; agreed beyond it now and then.
    void changePayment()
    {
        VEF.AMOUNTPAID = cents(15);
        app::purchasing::saveVendorPayment(false, pick(3) == 0 ? 15.0 : 0.0);
    }

    std::mt19937 random_;
    int highestOrder_ = 0;
    int highestPayment_ = 0;
};

int randomVendorBooks(unsigned seed, int count)
{
    if (RandomVendorBooks::open() != 0)
        return 2;
    RandomVendorBooks books(seed);
    for (int i = 0; i < count; ++i)
        books.step();
    std::printf("done\n");
    return 0;
}

int changeTags(bool set, const std::string &kind, int table, char **values, int count)
{
    if (kind != "ptr" && kind != "pos")
        return 64;
    const bool pointer = kind == "ptr";
    for (int i = 0; i < count; ++i) {
        if (pointer && set)
            ST::SetTag_(table, std::atoi(values[i]));
        else if (pointer)
            ST::ClrTag_(table, std::atoi(values[i]));
        else if (set)
            ST::SetTagPos_(table, values[i]);
        else
            ST::ClrTagPos_(table, values[i]);
    }
    std::printf("%d\n", pointer ? ST::CntTag_(table) : ST::CntTagPos_(table));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 64;
    std::filesystem::current_path(argv[1]);
    const std::string job = argv[2];
    if (job == "insert-invoices" && argc == 4)
        return insertInvoices(std::atoi(argv[3]));
    if (job == "write-loop")
        writeLoop();
    if (job == "set-company" && argc == 5)
        return setCompany(argv[3], argv[4]);
    if (job == "set-balance" && argc == 5)
        return setBalance(argv[3], std::atof(argv[4]));
    if (job == "hold-exclusive" && argc == 4)
        return holdOpen(dict::storage::OpenMode::Exclusive, std::atoi(argv[3]));
    if (job == "hold-open" && argc == 4)
        return holdOpen(dict::storage::OpenMode::ReadWriteShared, std::atoi(argv[3]));
    if (job == "start-up" && argc == 3)
        return startUp();
    if (job == "set-setup-company" && argc == 4)
        return setSetupCompany(argv[3]);
    if (job == "book-invoices" && argc == 6)
        return bookInvoices(argv[3], argv[4], std::atoi(argv[5]));
    if (job == "enter-invoice" && argc == 4)
        enterInvoice(argv[3]);
    if (job == "enter-credit-memo" && argc == 4)
        enterCreditMemo(argv[3]);
    if (job == "enter-purchase-order" && argc == 4)
        enterPurchaseOrder(argv[3]);
    if (job == "random-books" && argc == 5)
        return randomBooks(static_cast<unsigned>(std::atoi(argv[3])), std::atoi(argv[4]));
    if (job == "random-books-forever" && argc == 4)
        randomBooksForever(static_cast<unsigned>(std::atoi(argv[3])));
    if (job == "random-vendor-books" && argc == 5)
        return randomVendorBooks(static_cast<unsigned>(std::atoi(argv[3])), std::atoi(argv[4]));
    if ((job == "tag" || job == "untag") && argc >= 5)
        return changeTags(job == "tag", argv[3], std::atoi(argv[4]), argv + 5, argc - 5);
    return 64;
}
