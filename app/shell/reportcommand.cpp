#include "app/shell/reportcommand.h"

#include "app/reports/reportprocedures.h"
#include "app/shell/commandmessages.h"
#include "app/setup/startup.h"
#include "dictionary/globals.h"
#include "framework/errorclass.h"
#include "framework/globalcodes.h"
#include "framework/iniclass.h"
#include "framework/messagepresenter.h"
#include "framework/picture.h"
#include "framework/reportslib.h"
#include "reports/reportcatalogue.h"
#include "tagging/taguser.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <ostream>

namespace app {

namespace {

// Messages of a run with no window: written to the error stream, each question answered with
// its default, and counted so the command knows it did not go as asked.
class StreamPresenter : public fw::MessagePresenter
{
public:
    explicit StreamPresenter(std::ostream &err) : err_(err) {}
    int show(std::string_view title, std::string_view text, fw::Icon, int, int defaultButton) override
    {
        err_ << "invoice: " << title << ": " << text << '\n';
        ++shown;
        return defaultButton;
    }
    void halt(int) override { ++shown; }
    int shown = 0;

private:
    std::ostream &err_;
};

// The error manager of one command, with the command's messages, speaking on err.
class CommandErrors
{
public:
    explicit CommandErrors(std::ostream &err) : presenter_(err)
    {
        errors_.Init();
        installCommandMessages(errors_);
        errors_.setPresenter(&presenter_);
    }
    ~CommandErrors() { errors_.Kill(); }
    CommandErrors(const CommandErrors &) = delete;
    CommandErrors &operator=(const CommandErrors &) = delete;

    fw::ErrorClass &errors() { return errors_; }
    bool spoke() const { return presenter_.shown > 0; }
    // Says the message about what and (as %Field) about which.
    void say(int message, std::string_view what, std::string_view which = {})
    {
        errors_.SetField(which);
        errors_.ThrowMessage(message, what);
    }

private:
    fw::ErrorClass errors_;
    StreamPresenter presenter_;
};

} // namespace

bool WantsReportCommand(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--print") || !std::strcmp(argv[i], "--list-reports") || !std::strcmp(argv[i], "--help"))
            return true;
    return false;
}

namespace {

// The options a report needs besides its dates, as --list-reports names them.
std::string needs(const rpt::ReportOptions &options)
{
    const char *record = nullptr;
    switch (options.asks) {
    case rpt::Asks::Invoice: record = "--invoice N"; break;
    case rpt::Asks::CreditMemo: record = "--credit-memo N"; break;
    case rpt::Asks::PurchaseOrder: record = "--purchase-order N"; break;
    case rpt::Asks::Customer: return "--customer NO";
    case rpt::Asks::LabelKind: return "--labels address|shipping";
    case rpt::Asks::Nothing: return {};
    }
    return std::string(record) + (options.blankForm ? " or --blank" : "");
}

void listReports(std::ostream &out)
{
    for (const rpt::CatalogueEntry &entry : rpt::reportCatalogue()) {
        const std::string more = needs(entry.options);
        out << std::left << std::setw(42) << entry.name << (entry.options.dates ? "dates  " : "       ")
            << std::setw(more.empty() ? 0 : 56) << entry.title << (more.empty() ? "" : "needs " + more) << '\n';
    }
}

// What the command must add to run the report, or nothing: what its window would ask must be given.
std::string missing(const ReportCommand &command, const rpt::CatalogueEntry &entry)
{
    const rpt::ReportOptions &o = entry.options;
    if (o.dates && !command.from)
        return "--from and --to";
    const bool given = command.blank || (o.asks == rpt::Asks::Invoice && command.invoice) ||
                       (o.asks == rpt::Asks::CreditMemo && command.creditMemo) ||
                       (o.asks == rpt::Asks::PurchaseOrder && command.purchaseOrder) ||
                       (o.asks == rpt::Asks::Customer && command.customer) ||
                       (o.asks == rpt::Asks::LabelKind && command.labels != ReportCommand::Labels::Unset);
    return o.asks == rpt::Asks::Nothing || given ? std::string() : needs(o);
}

// The hand-over globals a report reads, from the command's values.
void handOver(const ReportCommand &command)
{
    if (command.from) {
        GLO.STARTDATE = *command.from;
        GLO.ENDDATE = *command.to;
    }
    if (command.invoice)
        GLO.INVOICENO = *command.invoice;
    if (command.creditMemo)
        GLO.CREDITMEMONO = *command.creditMemo;
    if (command.purchaseOrder)
        GLO.PURCHASEORDERNO = *command.purchaseOrder;
    if (command.customer)
        GLO.CUSTOMERNO = *command.customer;
    if (command.labels != ReportCommand::Labels::Unset)
        GLO.STARTUP = command.labels == ReportCommand::Labels::Address ? dict::StartUp::AddressLabels
                                                                      : dict::StartUp::ShippingLabels;
    if (command.blank)
        GLO.STARTUP = dict::StartUp::BlankForm;
}

} // namespace

int RunReportCommand(const ReportCommand &command, std::ostream &out, std::ostream &err)
{
    registerReportProcedures();
    if (command.list) {
        listReports(out);
        return 0;
    }
    CommandErrors messages(err);
    const rpt::CatalogueEntry *entry = rpt::catalogueEntry(command.report);
    if (!entry) {
        messages.say(CommandMsg::NoSuchReport, command.report);
        return 2;
    }
    auto report = rpt::makeReport(entry->name);
    if (!report) {
        messages.say(dict::Msg::ProcedureNotDefined, entry->name);
        return 3;
    }
    if (command.blank && !entry->options.blankForm) {
        messages.say(CommandMsg::NoBlankForm, entry->name);
        return 2;
    }
    if (const std::string needed = missing(command, *entry); !needed.empty()) {
        messages.say(CommandMsg::ReportNeeds, entry->name, needed);
        return 2;
    }
    fw::INIClass settings;
    settings.Init("Invoice.ini");
    REPORTS::INIT(&messages.errors(), &settings);
    ST::RegisterStationTagUsr(); // the tags this station set at its windows
    int status = 1;
    if (StartUp() != StartResult::Failed) {
        handOver(command);
        const int response = report->RunToPdf(command.pdf);
        status = response == fw::RequestCompleted && !messages.spoke() ? 0 : 1;
    }
    report.reset();
    REPORTS::KILL();
    return status;
}

int RefuseReportCommand(const CommandRefusal &refusal, std::ostream &err)
{
    CommandErrors messages(err);
    messages.say(refusal.message, refusal.value, refusal.option);
    return 2;
}

} // namespace app

namespace app {

int ReportCommandMain(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--help")) { // no display needed, nor a data folder
            std::fputs(ReportCommandUsage, stdout);
            return 0;
        }
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // no window is ever shown
    QGuiApplication application(argc, argv);
    CommandRefusal refusal;
    const auto command = ParseReportCommand(std::vector<std::string>(argv + 1, argv + argc), refusal);
    if (!command)
        return RefuseReportCommand(refusal, std::cerr);
    return RunReportCommand(*command, std::cout, std::cerr);
}

} // namespace app
