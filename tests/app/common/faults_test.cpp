// Every save of the books, run again and again with its Nth write, sync, lock or delete failing
// (N = 1, 2, 3 ... until the save goes through). After each failure the user was told once, every
// data file passes SQLite's integrity check, and every file is byte for byte as before the press;
// or, where the failure came after the commit, the whole action is on file.
#include "app/creditmemos/creditbook.h"
#include "app/purchasing/purchasebook.h"
#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/vendorpayments.h"
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemath.h"
#include "app/payments/paymentbook.h"
#include "app/payments/paymentmessages.h"
#include "app/reports/reportprocedures.h"
#include "reports/reportcatalogue.h"
#include "reports/winroutines.h"
#include "framework/picture.h"
#include "tagging/tags.h"
#include "tagging/tagsets.h"
#include "tests/support/faultvfs.h"
#include "tests/support/invoicefolder.h"
#include "tests/support/keptoutput.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

namespace {

using namespace invoicetest;
using dict::Benign;
using testsupport::Fault;
using testsupport::FaultyDisk;
namespace inv = app::invoices;
namespace fs = std::filesystem;

// What every file of the folder holds, row by row, as text: equal dumps are equal books.
std::map<std::string, std::string> dumpOf(const fs::path &folder)
{
    std::map<std::string, std::string> dump;
    for (const auto &entry : fs::directory_iterator(folder)) {
        sqlite3 *db = nullptr;
        if (entry.path().extension() != ".db")
            continue;
        sqlite3_open_v2(entry.path().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
        std::string &text = dump[entry.path().filename().string()];
        sqlite3_stmt *tables = nullptr;
        sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table'", -1, &tables, nullptr);
        while (sqlite3_step(tables) == SQLITE_ROW) {
            const std::string sql = "SELECT * FROM \"" + std::string(reinterpret_cast<const char *>(sqlite3_column_text(tables, 0))) + "\"";
            sqlite3_stmt *rows = nullptr;
            sqlite3_prepare_v2(db, sql.c_str(), -1, &rows, nullptr);
            while (sqlite3_step(rows) == SQLITE_ROW) {
                for (int c = 0; c < sqlite3_column_count(rows); ++c) {
                    const auto *v = reinterpret_cast<const char *>(sqlite3_column_text(rows, c));
                    text += (v ? v : "NULL") + std::string("|");
                }
                text += "\n";
            }
            sqlite3_finalize(rows);
        }
        sqlite3_finalize(tables);
        sqlite3_close(db);
    }
    return dump;
}

// The bytes of the databases of a folder.
std::map<std::string, std::string> bytesOf(const fs::path &folder)
{
    std::map<std::string, std::string> bytes;
    for (const auto &entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".db")
            bytes[entry.path().filename().string()] = testsupport::fileBytes(entry.path());
    return bytes;
}

// Files beside the database once it has been opened again, other than its station lock:
// journals that were not let go.
std::vector<std::string> leftovers(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".db" && !name.ends_with("-stations"))
            names.push_back(name);
    }
    return names;
}

// The names of the files whose bytes differ between two pictures of a folder.
std::vector<std::string> changed(const std::map<std::string, std::string> &was, const std::map<std::string, std::string> &now)
{
    std::vector<std::string> names;
    for (const auto &[file, bytes] : now)
        if (!was.contains(file) || was.at(file) != bytes)
            names.push_back(file);
    for (const auto &[file, bytes] : was)
        if (!now.contains(file))
            names.push_back(file + " (gone)");
    return names;
}

struct Save {
    const char *name;
    std::function<int()> press; // what the window does when the user presses its button
    std::function<void()> prepare = [] {}; // what opening the window did (reserving numbers)
};

class FaultsTest : public InvoiceFolderTest, public testing::WithParamInterface<std::tuple<int, Fault>>
{
protected:
    void SetUp() override
    {
        FaultyDisk::install();
        InvoiceFolderTest::SetUp();
        app::installPaymentMessages(errors);
        app::registerReportProcedures();
        GLO.WINROUTINE = WIN::MoneyPictures;
        WIN::ROUTINES();
        addCustomer("C1");
        stockA = addStock("A", 10);
        booked = startInvoice("C1");
        addLine("A", stockA, 2, 10);
        bool holds = true;
        ASSERT_EQ(inv::saveInvoice(true, holds), Benign);
        Access::FINANCE.PrimeRecord();
        FIN.CUSTOMERNO = "C1";
        FIN.INVOICENO = booked;
        FIN.AMOUNTPAID = 5;
        FIN.DATE = fw::today();
        ASSERT_EQ(app::payments::savePayment(true), Benign);
        paymentAt = Access::FINANCE.Position();
        setUpPurchasing();
        closeFiles();
        fs::copy("data", "before", fs::copy_options::recursive);
    }

    // The files the invoice windows use and those of the order windows.
    static void openFiles()
    {
        InvoiceFolderTest::openFiles();
        for (dict::FileManager *file : {&Access::PURORDER, &Access::PURDESCRIPTION, &Access::VENFIN, &Access::VENDOR,
                                        &Access::STSTREND})
            ASSERT_EQ(file->Open(), Benign);
    }

    // Vendor V1 with a saved order of 3 of A at 4.00, 5.00 of it paid separately.
    void setUpPurchasing()
    {
        app::installPurchaseMessages(errors);
        openFiles();
        ASSERT_EQ(Access::VENDOR.PrimeRecord(), Benign);
        VEN.ACCOUNTNO = "V1";
        VEN.VENDOR = "Vendor V1";
        ASSERT_EQ(Access::VENDOR.Insert(), Benign);
        ordered = startOrder(3);
        ASSERT_EQ(app::purchasing::saveOrder(true, 0), Benign);
        ASSERT_EQ(Access::VENFIN.PrimeRecord(), Benign);
        VEF.ACCOUNTNO = "V1";
        VEF.PORDERNO = ordered;
        VEF.AMOUNTPAID = 5;
        ASSERT_EQ(app::purchasing::saveVendorPayment(true), Benign);
    }

    // The order form opened on a new order of V1 (its number reserved), one line of A added.
    dict::LONG startOrder(double quantity)
    {
        EXPECT_EQ(Access::PURORDER.PrimeRecord(), Benign);
        PUR.ACCOUNTNO = "V1";
        PUR.DATE = fw::today();
        const dict::LONG number = PUR.PORDERNO;
        dict::clearRecord(Access::PURDESCRIPTION.Def(), &PUD);
        PUD.PURORDERNO = number;
        EXPECT_EQ(Access::PURDESCRIPTION.PrimeRecord(true), Benign);
        PUD.STOCKNO = "A";
        PUD.RECORDNO = stockA;
        PUD.QUANTITY = quantity;
        PUD.COST = 4;
        PUD.AMOUNTCOST = quantity * 4;
        PUD.DATE = PUR.DATE;
        EXPECT_EQ(app::purchasing::bookOrderLine(true, {}), Benign);
        PUR.PORDERNO = number;
        EXPECT_EQ(Access::PURORDER.TryFetch(PUR.POrderNo_Key), Benign);
        PUR.ACCOUNTNO = "V1";
        return number;
    }

    // The invoice form opened on a new invoice (its number reserved) and one line added.
    void startFresh()
    {
        fresh = startInvoice("C1");
        addLine("A", stockA, 1, 10); // the INV buffer keeps what the form holds
    }

    // The credit memo form opened on the booked invoice, one line of A given back.
    void startMemo()
    {
        ASSERT_EQ(Access::CREDIT.PrimeRecord(), Benign);
        CRE.CUSTOMERNO = "C1";
        CRE.INVOICENO = booked;
        CRE.DATE = fw::today();
        memo = CRE.CREDITMEMONO;
        dict::clearRecord(Access::CRSCRIPTION.Def(), &CRS);
        CRS.CREDITMEMONO = memo;
        ASSERT_EQ(Access::CRSCRIPTION.PrimeRecord(true), Benign);
        CRS.STOCKNO = "A";
        CRS.RECORDNO = stockA;
        CRS.QUANTITY = 1;
        CRS.PRICE = 10;
        app::creditmemos::computeCreditLine(CRS, CRE, false);
        ASSERT_EQ(app::creditmemos::bookCreditLine(true, {}), Benign);
    }

    static void readInvoice(dict::LONG invoiceNo)
    {
        INV.INVOICENO = invoiceNo;
        ASSERT_EQ(Access::INVOICE.TryFetch(INV.InvoiceNo_Key), Benign);
    }

    // The saves there are, each as its window makes it on the folder set up above: prepare leaves
    // the buffers as the window has them when the user presses its button.
    std::vector<Save> saves()
    {
        return {
            {"a new line", [] { return inv::bookLine(true, {}, true); },
             [this] {
                 readInvoice(booked);
                 dict::clearRecord(Access::DESCRIPTION.Def(), &DES);
                 DES.INVOICENO = booked;
                 ASSERT_EQ(Access::DESCRIPTION.PrimeRecord(true), Benign);
                 DES.STOCKNO = "A";
                 DES.RECORDNO = stockA;
                 DES.QUANTITY = 3;
                 DES.PRICE = 10;
                 inv::computeLine(DES, inv::lineTermsOf(INV, false));
             }},
            {"a line deleted", [] { return inv::unbookLine(true); },
             [this] {
                 Access::DESCRIPTION.ClearKey(DES.InvoiceNo_Key);
                 DES.INVOICENO = booked;
                 Access::DESCRIPTION.SetAt(DES.InvoiceNo_Key);
                 ASSERT_EQ(Access::DESCRIPTION.TryNext(), Benign);
             }},
            {"a new invoice saved",
             [] {
                 bool holds = true;
                 return inv::saveInvoice(true, holds);
             },
             [this] { startFresh(); }},
            {"an invoice changed",
             [] {
                 bool holds = true;
                 return inv::saveInvoice(false, holds);
             },
             [this] {
                 readInvoice(booked);
                 INV.SHIPPING = 7.5;
             }},
            {"a new invoice cancelled", [this] { return inv::cancelNewInvoice(fresh, true); }, [this] { startFresh(); }},
            {"an invoice deleted", [this] { return inv::deleteInvoice(booked, true); }},
            {"a payment", [] { return app::payments::savePayment(true); },
             [this] {
                 ASSERT_EQ(Access::FINANCE.PrimeRecord(), Benign);
                 FIN.CUSTOMERNO = "C1";
                 FIN.INVOICENO = booked;
                 FIN.AMOUNTPAID = 2.25;
                 FIN.DATE = fw::today();
             }},
            {"a credit memo saved", [] { return app::creditmemos::saveCreditMemo(true); }, [this] { startMemo(); }},
            {"a credit memo deleted", [this] { return app::creditmemos::deleteCreditMemo(memo); },
             [this] {
                 startMemo();
                 ASSERT_EQ(app::creditmemos::saveCreditMemo(true), Benign);
             }},
            {"a payment deleted", [] { return app::payments::deletePayment(); },
             [this] { ASSERT_EQ(Access::FINANCE.TryReget(paymentAt), Benign); }},
            {"a customer", [] { return Access::CUSTOMER.Insert(); }, // as the form inserts it
             [] {
                 ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), Benign);
                 CUS.CUSTOMERNO = "C2";
                 CUS.LNAME = "Second";
             }},
            {"a stock item", [] { return Access::STOCK.Insert(); },
             [] {
                 ASSERT_EQ(Access::STOCK.PrimeRecord(), Benign);
                 STO.STOCKNO = "B";
                 STO.DESCRIPTION = "Item B";
             }},
            {"the printed marks",
             [this] {
                 // The pages go out whatever happens to the mark; the mark is what is saved.
                 auto report = rpt::makeReport("PRN:INVOICES");
                 report->Run(&printed);
                 return titles().empty() ? int(Benign) : int(dict::Notify);
             },
             [this] {
                 GLO.INVOICENO = booked;
                 GLO.PAPERSIZE = "PAPER:LETTER";
                 GLO.DATENAME = "@d2";
                 GLO.PRINTPREVIEW = 1;
                 GLO.PRINTCHOICE = 0;
                 GLO.PICKLIST = 0;
                 GLO.STARTUP = 0;
             }},
            {"a tag set saved", [this] { return ST::SaveTagSet_(3, tagSet); },
             [this] {
                 ST::SetTag_(3, booked);
                 tagSet = ST::InsertTagSet("Brw:InvoicesPrintMultiple", "Tagged");
                 ASSERT_NE(tagSet, 0);
             }},
            {"a purchase order saved", [] { return app::purchasing::saveOrder(true, 2.5); },
             [this] { startOrder(2); }},
            {"a purchase order received", [this] { return app::purchasing::receiveOrder(ordered, fw::today()); }},
            {"a purchase order deleted", [this] { return app::purchasing::deleteOrder(ordered); }},
        };
    }

    // The folder as set up, with the files open as the windows open them and no message shown.
    void restore()
    {
        closeFiles();
        fs::remove_all("data");
        fs::copy("before", "data", fs::copy_options::recursive);
        screen.clear();
        openFiles();
    }

    dict::LONG stockA = 0;
    dict::LONG booked = 0;
    dict::LONG fresh = 0;
    dict::LONG memo = 0;
    dict::LONG ordered = 0;
    dict::storage::Position paymentAt = 0;
    dict::SHORT tagSet = 0;
    testsupport::KeptOutput printed;
};

const char *faultName(Fault fault)
{
    switch (fault) {
    case Fault::Write: return "write";
    case Fault::DiskFull: return "full disk";
    case Fault::Sync: return "sync";
    case Fault::Lock: return "lock";
    case Fault::Delete: return "delete";
    }
    return "?";
}

TEST_P(FaultsTest, EveryFailureIsToldOnceAndLeavesTheFilesAsBeforeOrTheWholeActionDone)
{
    const auto [index, fault] = GetParam();
    const Save save = saves()[static_cast<std::size_t>(index)];
    restore();
    save.prepare();
    ASSERT_EQ(save.press(), Benign) << save.name << " without a failure: " << testing::PrintToString(texts());
    closeFiles();
    const auto done = dumpOf("data");

    int survived = 0;
    for (int n = 1; n < 1000; ++n) {
        restore();
        save.prepare();
        const auto before = bytesOf("data"); // as the press finds it
        FaultyDisk::arm(fault, n);
        const int result = save.press();
        const bool fired = FaultyDisk::fired();
        FaultyDisk::disarm();
        const auto shown = titles();
        closeFiles();
        if (!fired) {
            EXPECT_EQ(result, Benign) << save.name << ": nothing failed, yet the save did not go through";
            break;
        }
        ++survived;
        const std::string at = std::string(save.name) + ", " + faultName(fault) + " " + std::to_string(n) + " failing";
        for (const auto &[file, bytes] : bytesOf("data"))
            EXPECT_EQ(testsupport::integrityOf(fs::path("data") / file), "ok") << at << ": " << file;
        EXPECT_EQ(leftovers("data"), std::vector<std::string>{}) << at;
        // A failed read is told as such, and what was done before it may stand whole (a printed
        // invoice keeps its mark); a failed save leaves every file as it was.
        const bool readFailed = shown == std::vector<std::string>{"Record Retrieval Error"};
        if (result != Benign && readFailed) {
            EXPECT_TRUE(changed(before, bytesOf("data")).empty() || dumpOf("data") == done)
                << at << ": a read failed, and the files hold part of the action";
        } else if (result != Benign) {
            EXPECT_EQ(shown.size(), 1u) << at << ": told " << testing::PrintToString(shown);
            EXPECT_EQ(changed(before, bytesOf("data")), std::vector<std::string>{})
                << at << ": files changed, yet the user was told " << testing::PrintToString(shown)
                << "; they hold the whole action: " << (dumpOf("data") == done);
        } else {
            EXPECT_EQ(dumpOf("data"), done) << at << ": reported saved, but not all of it is on file";
        }
        if (HasFailure())
            break;
    }
    RecordProperty("survived", survived);
    EXPECT_GT(survived, 0) << "no failure was injected";
}

std::string caseName(const testing::TestParamInfo<std::tuple<int, Fault>> &info)
{
    static const char *const saves[] = {"NewLine",        "LineDeleted",    "NewInvoice", "InvoiceChanged",
                                        "NewInvoiceCancelled", "InvoiceDeleted", "Payment", "CreditMemo",
                                        "CreditMemoDeleted", "PaymentDeleted",
                                        "Customer",       "StockItem",      "PrintedMarks", "TagSet",
                                        "PurchaseOrder",  "OrderReceived",  "OrderDeleted"};
    static const char *const faults[] = {"Write", "DiskFull", "Sync", "Lock", "Delete"};
    return std::string(saves[std::get<0>(info.param)]) + "_" + faults[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Saves, FaultsTest,
                         testing::Combine(testing::Range(0, 17),
                                          testing::Values(Fault::Write, Fault::DiskFull, Fault::Sync, Fault::Lock,
                                                          Fault::Delete)),
                         caseName);

} // namespace
