// A second station for the tests: runs one job on a data folder in its own process.
//   worker FOLDER insert-invoices N        numbers N new invoices, prints each number
//   worker FOLDER write-loop               adds a customer and its payment in one unit, forever,
//                                          printing how many pairs are committed
//   worker FOLDER set-company CUSTNO TEXT  changes one customer's company
//   worker FOLDER set-balance CUSTNO AMOUNT changes one customer's balance
//   worker FOLDER hold-exclusive SECONDS   holds the customer file exclusively
//   worker FOLDER start-up                 the program's start-up settings; prints first-run,
//                                          loaded or failed
//   worker FOLDER set-setup-company TEXT   changes the company name in the program setup
//   worker FOLDER book-invoices CUSTNO STOCKNO N  books N invoices of one line of the item each,
//                                          as the invoice windows book them; prints each number
//   worker FOLDER tag ptr|pos TABLE VALUE...    tags each value (tag user 0), prints the count
//   worker FOLDER untag ptr|pos TABLE VALUE...  clears each value's tag, prints the count
#include "app/invoices/invoicebook.h"
#include "app/invoices/invoicemath.h"
#include "app/setup/startup.h"
#include "dictionary/files.h"
#include "dictionary/schema.h"
#include "dictionary/unitofwork.h"
#include "framework/reportslib.h"
#include "tagging/tags.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
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
        std::printf("%d\n", INV.INVOICENO);
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

int holdExclusive(int seconds)
{
    Access::CUSTOMER.SetOpenMode(dict::storage::OpenMode::Exclusive);
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

int bookInvoices(const char *customerNo, const char *stockNo, int count)
{
    for (dict::RelationManager *file : {&Relate::INVOICE, &Relate::DESCRIPTION, &Relate::CUSTOMER, &Relate::STOCK})
        if (file->Open() != dict::Benign)
            return 2;
    for (dict::FileManager *file : {&Access::FINANCE, &Access::TOTALINV, &Access::SPECIAL})
        if (file->Open() != dict::Benign)
            return 2;
    for (int i = 0; i < count; ++i) {
        if (Access::INVOICE.PrimeRecord() != dict::Benign)
            return 3;
        INV.CUSTOMERNO = customerNo;
        INV.TAXRATE = 0.08;
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
        bool holds = true;
        if (app::invoices::bookLine(true, {}, holds) != dict::Benign || app::invoices::saveInvoice(true, holds) != dict::Benign)
            return 5;
        std::printf("%d\n", INV.INVOICENO);
        std::fflush(stdout);
    }
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
        return holdExclusive(std::atoi(argv[3]));
    if (job == "start-up" && argc == 3)
        return startUp();
    if (job == "set-setup-company" && argc == 4)
        return setSetupCompany(argv[3]);
    if (job == "book-invoices" && argc == 6)
        return bookInvoices(argv[3], argv[4], std::atoi(argv[5]));
    if ((job == "tag" || job == "untag") && argc >= 5)
        return changeTags(job == "tag", argv[3], std::atoi(argv[4]), argv + 5, argc - 5);
    return 64;
}
