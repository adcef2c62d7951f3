// The report command line and the catalogue: arguments read or refused with a reason, every
// catalogue name a procedure of the frame, reports not built yet saying so, and the e-mail
// listing run by the program itself into a PDF from a data folder (page dump kept beside the test).
#include "app/reports/reportprocedures.h"
#include "app/shell/commandmessages.h"
#include "app/shell/procedures.h"
#include "app/shell/reportcommand.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/reportslib.h"
#include "reports/pageoutput.h"
#include "reports/reportcatalogue.h"
#include "reports/reportoutput.h"
#include "tagging/tags.h"
#include "tests/support/datafolder.h"
#include "tests/support/pagecheck.h"

#include <gtest/gtest.h>

#include "framework/picture.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>

using testsupport::DataFolderTest;

namespace {

std::optional<app::ReportCommand> parse(std::vector<std::string> args, app::CommandRefusal &refusal)
{
    return app::ParseReportCommand(args, refusal);
}

} // namespace

TEST(ReportCommandLine, ReadsEveryOption)
{
    app::CommandRefusal error;
    const auto c = parse({"--print", "PRN:SALESDAILY", "--pdf", "out.pdf", "--from", "2024-03-01", "--to", "2024-03-31",
                          "--invoice", "12", "--customer", "C001", "--credit-memo", "3", "--purchase-order", "4"},
                         error);
    ASSERT_TRUE(c) << error.message;
    EXPECT_EQ(c->report, "PRN:SALESDAILY");
    EXPECT_EQ(c->pdf, "out.pdf");
    EXPECT_EQ(c->from, fw::dayNumber(2024, 3, 1));
    EXPECT_EQ(c->to, fw::dayNumber(2024, 3, 31));
    EXPECT_EQ(c->invoice, 12);
    EXPECT_EQ(c->customer, "C001");
    EXPECT_EQ(c->creditMemo, 3);
    EXPECT_EQ(c->purchaseOrder, 4);
}

TEST(ReportCommandLine, ReadsWhatAReportsWindowWouldAsk)
{
    app::CommandRefusal error;
    auto c = parse({"--print", "PRN:CUSTOMERLABELS", "--pdf", "l.pdf", "--labels", "shipping"}, error);
    ASSERT_TRUE(c) << error.message;
    EXPECT_EQ(c->labels, app::ReportCommand::Labels::Shipping);
    c = parse({"--print", "PRN:INVOICES", "--pdf", "b.pdf", "--blank"}, error);
    ASSERT_TRUE(c) << error.message;
    EXPECT_TRUE(c->blank);
    c = parse({"--help"}, error);
    ASSERT_TRUE(c) << error.message;
    EXPECT_TRUE(c->help);
}

TEST(ReportCommandLine, RefusesWhatItCannotRunWithAReason)
{
    using namespace app::CommandMsg;
    const struct {
        std::vector<std::string> args;
        int message;
        const char *option, *value;
    } bad[] = {
        {{"--print", "PRN:CUSTOMERLABELS", "--pdf", "a.pdf", "--labels", "round"}, NeedsLabelKind, "--labels", "round"},
        {{"--print", "PRN:VENDORNAME"}, NeedsReportAndPdf, "--print", ""},
        {{"--print", "PRN:SALESDAILY", "--pdf", "a.pdf", "--from", "2024-02-30", "--to", "2024-03-01"}, NeedsDate,
         "--from", "2024-02-30"},
        {{"--print", "PRN:SALESDAILY", "--pdf", "a.pdf", "--from", "03/01/2024", "--to", "2024-03-01"}, NeedsDate,
         "--from", "03/01/2024"},
        {{"--print", "PRN:SALESDAILY", "--pdf", "a.pdf", "--from", "2024-03-01"}, FromWithoutTo, "--from", ""},
        {{"--print", "PRN:SALESDAILY", "--pdf", "a.pdf", "--from", "2024-04-01", "--to", "2024-03-01"}, FromAfterTo,
         "--from", ""},
        {{"--print", "PRN:INVOICES", "--pdf", "a.pdf", "--invoice", "twelve"}, NeedsWholeNumber, "--invoice", "twelve"},
        {{"--print", "PRN:INVOICES", "--pdf", "a.pdf", "--invoice", "0"}, NeedsWholeNumber, "--invoice", "0"},
        {{"--print", "PRN:INVOICES", "--pdf", "a.pdf", "--colour", "red"}, UnknownOption, "--colour", ""},
        {{"--print"}, NeedsValue, "--print", ""},
    };
    for (const auto &[args, message, option, value] : bad) {
        app::CommandRefusal refusal;
        EXPECT_FALSE(parse(args, refusal)) << args.back();
        EXPECT_EQ(refusal.message, message) << args.back();
        EXPECT_EQ(refusal.option, option) << args.back();
        EXPECT_EQ(refusal.value, value) << args.back();
    }
}

TEST(ReportCatalogue, HasAllSixtyOneReportsOnceEachAndTheBuiltOnesAreProcedures)
{
    app::registerReportProcedures();
    std::set<std::string_view> names;
    for (const rpt::CatalogueEntry &entry : rpt::reportCatalogue()) {
        names.insert(entry.name);
        EXPECT_EQ(app::procedureDefined(entry.name), rpt::makeReport(entry.name) != nullptr) << entry.name;
    }
    EXPECT_TRUE(app::procedureDefined("PRN:CUSTOMEREMAILLISTING"));
    EXPECT_EQ(names.size(), 61u);
    EXPECT_EQ(rpt::reportCatalogue().size(), 61u);
    EXPECT_TRUE(rpt::catalogueEntry("prn:vendorname"));
    EXPECT_TRUE(rpt::catalogueEntry("PRN:INVOICELISTINGWITHTAXES")->options.dates);
    EXPECT_TRUE(rpt::catalogueEntry("PRN:INVOICES")->options.document);
}

class ReportProceduresTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        REPORTS::INIT(&errors, nullptr);
        app::registerReportProcedures();
    }
};

TEST_F(ReportProceduresTest, AProcedureNotBuiltYetSaysProcedureNotDefined)
{
    app::runProcedure("Win:RemoveOldCreditRecords");
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_NE(texts().front().find("Win:RemoveOldCreditRecords"), std::string::npos);
    EXPECT_EQ(titles().front(), "Procedure not defined");
}

// The program run as a shop scripts it: a data folder with customers, one report into a PDF.
class ReportCommandProgram : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        ASSERT_EQ(Access::CUSTOMER.Open(), dict::Benign);
        const char *rows[][5] = {{"C002", "Moore", "Ann", "", "ann@moore.example"},
                                 {"C001", "Baker", "Tom", "Baker Trading Ltd", "orders@baker.example"},
                                 {"C003", "Young", "", "Young & Sons", "accounts@young.example"}};
        for (const auto &r : rows) {
            Access::CUSTOMER.PrimeRecord();
            CUS.CUSTOMERNO = r[0];
            CUS.LNAME = r[1];
            CUS.FNAME = r[2];
            CUS.COMPANY = r[3];
            CUS.EMAILADDRESS = r[4];
            CUS.PHONENO = "555-0100";
            ASSERT_EQ(Access::CUSTOMER.Insert(), dict::Benign);
        }
        Access::CUSTOMER.Close();
    }
    int invoice(const std::string &args, std::string &errors)
    {
        const std::string command = std::string(TQ_INVOICE) + " " + args + " 2>stderr.txt";
        const int status = std::system(command.c_str());
        errors = testsupport::readText(folder / "stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(ReportCommandProgram, EmailListingGoesStraightIntoAPdf)
{
    std::string errors;
    ASSERT_EQ(invoice("--print PRN:CUSTOMEREMAILLISTING --pdf list.pdf", errors), 0) << errors;
    const std::string text = testsupport::pdfText(folder / "list.pdf");
    for (const char *expected : {"Customer Listing - Email Address", "accounts@young.example", "Baker Trading Ltd",
                                 "Ann Moore", "Page 1 of 1"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_LT(text.find("accounts@"), text.find("orders@")) << "in e-mail order";
}

TEST_F(ReportCommandProgram, EmailListingPagesMatchTheExpectedDump)
{
    // In process, to compare every item: the date line is the only one that changes by the day.
    REPORTS::INIT(&errors, nullptr);
    app::registerReportProcedures();
    struct Keep : rpt::ReportOutput {
        bool preview(const rpt::PageQueue &q, const std::string &) override { dump = rpt::dumpPages(q); return false; }
        std::string print(const rpt::PageQueue &, const std::string &) override { return {}; }
        bool printed() const override { return false; }
        std::string dump;
    } output;
    GLO.PRINTPREVIEW = 1;
    GLO.PAPERSIZE = "PAPER:LETTER";
    GLO.DATENAME = "@d10";
    auto report = rpt::makeReport("PRN:CUSTOMEREMAILLISTING");
    ASSERT_TRUE(report);
    report->Run(&output);
    std::string dump = output.dump;
    const std::size_t date = dump.find("Run Date: ");
    ASSERT_NE(date, std::string::npos);
    dump.replace(date + 10, 10, "yyyy/mm/dd");
    EXPECT_TRUE(testsupport::matchesExpectedDump(dump, std::filesystem::path(TQ_TEST_DATA) / "emaillisting" / "expected.txt"));
}

TEST_F(ReportCommandProgram, FailuresExitNonZeroWithTheMessageOnStandardError)
{
    std::string errors;
    EXPECT_NE(invoice("--print PRN:NOSUCHREPORT --pdf a.pdf", errors), 0);
    EXPECT_NE(errors.find("PRN:NOSUCHREPORT"), std::string::npos) << errors;
    EXPECT_NE(invoice("--print PRN:PURCHASEORDERS --pdf a.pdf", errors), 0);
    EXPECT_NE(errors.find("needs --purchase-order N or --blank"), std::string::npos) << errors;
    EXPECT_NE(invoice("--print PRN:CUSTOMEREMAILLISTING --pdf /nonexistent-folder/a.pdf", errors), 0);
    EXPECT_NE(errors.find("/nonexistent-folder/a.pdf"), std::string::npos) << errors;
    EXPECT_EQ(invoice("--print PRN:INVOICES --pdf a.pdf --colour red", errors), 2);
    // The message is the last line: Qt may have warned about the session first.
    auto lastLine = [&] { return errors.substr(errors.rfind('\n', errors.size() - 2) + 1); };
    EXPECT_EQ(lastLine(), "invoice: Command line: unknown option --colour; invoice --help shows the options\n");
    EXPECT_EQ(invoice("--print PRN:CUSTOMEREMAILLISTING --pdf a.pdf --blank", errors), 2);
    EXPECT_EQ(lastLine(), "invoice: Command line: PRN:CUSTOMEREMAILLISTING has no blank form\n");
    EXPECT_NE(invoice("--print PRN:SALESDAILY --pdf a.pdf", errors), 0);
    EXPECT_NE(errors.find("--from"), std::string::npos) << errors;
    // What a window would ask for is needed on the command line, and the record must exist.
    const std::pair<const char *, const char *> refused[] = {
        {"--print PRN:CUSTOMERLABELS --pdf a.pdf", "needs --labels address|shipping"},
        {"--print PRN:INVOICES --pdf a.pdf", "needs --invoice N or --blank"},
        {"--print PRN:INVOICESPICKLIST --pdf a.pdf --blank", "has no blank form"},
        {"--print PRN:CUSTOMERFINANCESTATEMENT --pdf a.pdf --from 2026-01-01 --to 2026-12-31", "needs --customer NO"},
        {"--print PRN:INVOICES --pdf a.pdf --invoice 77", "There is no invoice 000077 on file"},
    };
    for (const auto &[args, why] : refused) {
        EXPECT_NE(invoice(args, errors), 0) << args;
        EXPECT_NE(errors.find(why), std::string::npos) << args << ": " << errors;
        EXPECT_FALSE(std::filesystem::exists(folder / "a.pdf")) << args;
    }
}

TEST_F(ReportCommandProgram, LabelsAndBlankFormsRunFromTheCommandLine)
{
    std::string errors;
    ASSERT_EQ(invoice("--print PRN:INVOICES --blank --pdf blank.pdf", errors), 0) << errors;
    EXPECT_NE(testsupport::pdfText(folder / "blank.pdf").find("SOLD TO"), std::string::npos);
    // The customers this station tagged at its windows, on the setup's label stock.
    ASSERT_EQ(invoice("--print PRN:CUSTOMERLABELS --labels address --pdf labels.pdf", errors), 1) << "nothing tagged yet";
    EXPECT_NE(errors.find("Nothing to Print"), std::string::npos) << errors;
    ST::SetTagPos_(ST::CustomerTable, "C001");
    ASSERT_EQ(invoice("--print PRN:CUSTOMERLABELS --labels address --pdf labels.pdf", errors), 0) << errors;
    const std::string labels = testsupport::pdfText(folder / "labels.pdf");
    EXPECT_NE(labels.find("Baker Trading Ltd"), std::string::npos) << labels;
    EXPECT_EQ(labels.find("Young & Sons"), std::string::npos) << "not tagged";
}

TEST_F(ReportCommandProgram, HelpNeedsNoDisplayAndNoDataFolder)
{
    std::filesystem::create_directory(folder / "empty");
    const std::string command = "cd empty && env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " + std::string(TQ_INVOICE) +
                                " --help > ../help.txt 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string help = testsupport::readText(folder / "help.txt");
    for (const char *option : {"--print", "--list-reports", "--labels address|shipping", "--blank", "--customer"})
        EXPECT_NE(help.find(option), std::string::npos) << option << "\n" << help;
    EXPECT_TRUE(std::filesystem::is_empty(folder / "empty")) << "no data folder made";
}

TEST_F(ReportCommandProgram, ListReportsPrintsTheCatalogue)
{
    std::string errors;
    ASSERT_EQ(invoice("--list-reports > list.txt", errors), 0) << errors;
    const std::string list = testsupport::readText(folder / "list.txt");
    EXPECT_NE(list.find("PRN:INVENTORYCONSOLIDATIONQUANTITY"), std::string::npos);
    EXPECT_NE(list.find("needs --labels address|shipping"), std::string::npos);
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 61);
}
