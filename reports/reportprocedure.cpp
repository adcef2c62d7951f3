#include "reports/reportprocedure.h"

#include "dictionary/errorreporter.h"
#include "dictionary/globals.h"
#include "framework/errorclass.h"
#include "framework/globalcodes.h"
#include "framework/reportslib.h"
#include "reports/askforday.h"
#include "reports/pageoutput.h"
#include "reports/papersize.h"
#include "reports/progresswindow.h"
#include "reports/reportcatalogue.h"
#include "reports/reportmessages.h"
#include "reports/reportoutput.h"

#include <algorithm>

namespace rpt {

namespace {
const CatalogueEntry &listed(std::string_view name)
{
    const CatalogueEntry *entry = catalogueEntry(name);
    Q_ASSERT_X(entry, "ReportProcedure", "a report the catalogue does not list");
    static const CatalogueEntry unlisted{};
    return entry ? *entry : unlisted;
}
} // namespace

ReportProcedure::ReportProcedure(std::string_view name) : entry_(listed(name)) {}

ReportProcedure::~ReportProcedure() { closeRun(); }

bool ReportProcedure::AskDates() { return Win::AskforDay() == fw::RequestCompleted; }

bool ReportProcedure::Previewing() const { return GLO.PRINTPREVIEW != 0; }

int ReportProcedure::OpenFiles()
{
    for (std::size_t opened = 0; opened < files_.size(); ++opened) {
        if (const int level = files_[opened]->Open(); level != dict::Benign) {
            while (opened > 0)
                files_[--opened]->Close();
            return level;
        }
    }
    return dict::Benign;
}

void ReportProcedure::CloseFiles()
{
    for (auto file = files_.rbegin(); file != files_.rend(); ++file)
        (*file)->Close();
}

// Steps before the pass: texts, dates, globals, files, paper and view.
bool ReportProcedure::prepare(bool unattended, const ReportOutput &output)
{
    strings_ = DisplayStrings::load(REPORTS::Settings());
    printed_ = false;
    if (entry_.options.dates && !unattended && !AskDates())
        return false;
    Resume(); // the date prompt let other windows handle events
    savedRequest_ = GlobalRequest;
    GlobalRequest = 0;
    GlobalResponse = 0;
    if (OpenFiles() != dict::Benign)
        return false;
    filesOpen_ = true;
    const Layout &layout = ReportLayout();
    const auto &setting = entry_.options.envelope ? GLO.ENVELOPESIZE : GLO.PAPERSIZE;
    const QPageSize paper = layout.paper ? QPageSize(*layout.paper) : pageSizeOf(setting.view());
    // Envelopes lie long side across, and so do the reports of many columns.
    const bool turned = entry_.options.envelope || entry_.options.turned;
    queue_ = std::make_unique<PageQueue>(paper, turned, output.unprintable(paper, turned));
    engine_ = std::make_unique<ReportEngine>(layout, *queue_, std::string(entry_.title));
    SetView(view_);
    toDo_ = view_.File().Records();
    done_ = 0;
    opened_ = atEnd_ = stop_ = false;
    return true;
}

bool ReportProcedure::Slice()
{
    // Other windows have had events since the last slice, and made their records current.
    const fw::ContextScope own(&context_);
    if (!opened_) {
        opened_ = true;
        view_.Reset();
        atEnd_ = view_.Next() != dict::Benign;
    }
    for (int n = 0; n < RecordsPerCycle && !atEnd_; ++n) {
        TakeRecord(*engine_);
        ++done_;
        atEnd_ = stop_ || view_.Next() != dict::Benign;
    }
    return !atEnd_;
}

int ReportProcedure::Percent() const
{
    if (toDo_ <= 0)
        return atEnd_ ? 100 : 0;
    return int(std::min<long long>(100, done_ * 100 / toDo_));
}

// A document always comes out with its form: a run that read nothing still makes its one page.
void ReportProcedure::finishPages(Outcome outcome)
{
    if (outcome == Outcome::Cancelled)
        return;
    if (outcome == Outcome::Completed && (engine_->started() || Pending())) {
        engine_->closeGroup();
        Finishing(*engine_); // a partial preview shows no total of what it left out
    }
    if (entry_.options.document && !engine_->started())
        engine_->printBand(Band{1, {}, {}});
    engine_->finish();
}

void ReportProcedure::reportMissingPictures()
{
    for (const std::string &file : engine_->missingPictures())
        REPORTS::Errors().ThrowMessage(ReportMsg::PictureUnreadable, file);
}

int ReportProcedure::respond(int response)
{
    closeRun();
    GlobalResponse = dict::BYTE(response);
    return response;
}

void ReportProcedure::closeRun()
{
    const fw::ContextScope own(&context_);
    if (filesOpen_) {
        Closing();
        CloseFiles();
        filesOpen_ = false;
        GlobalRequest = dict::BYTE(savedRequest_);
    }
    engine_.reset();
    queue_.reset();
}

int ReportProcedure::Run(ReportOutput *output)
{
    if (!output)
        output = &desktopOutput();
    output_ = output;
    const fw::ContextScope own(&context_);
    RunMessages messages(REPORTS::Errors(), strings_ = DisplayStrings::load(REPORTS::Settings()));
    const bool preview = Previewing();
    if (!prepare(false, *output))
        return respond(fw::RequestCancelled);
    const ProgressWindow::Result result = ProgressWindow(*this, strings_, preview).run();
    context_.makeCurrent(); // other windows had events meanwhile
    const Outcome outcome = result == ProgressWindow::Completed        ? Outcome::Completed
                            : result == ProgressWindow::PartialPreview ? Outcome::PartialPreview
                                                                       : Outcome::Cancelled;
    finishPages(outcome);
    if (outcome == Outcome::Cancelled)
        return respond(fw::RequestCancelled);
    reportMissingPictures();
    if (queue_->empty()) {
        REPORTS::Errors().Throw(preview ? ReportMsg::NothingToPreview : ReportMsg::NothingToPrint);
        return respond(fw::RequestCancelled);
    }
    const std::string title(entry_.title);
    if (preview) {
        printed_ = output->preview(*queue_, title);
    } else {
        const std::string error = output->print(*queue_, title);
        if (!error.empty())
            REPORTS::Errors().ThrowMessage(ReportMsg::PrintFailed, error);
        printed_ = error.empty() && output->printed();
    }
    return respond(fw::RequestCompleted);
}

namespace {

// The pages written to a PDF file, as print() hands them.
class PdfFile : public ReportOutput
{
public:
    explicit PdfFile(std::string fileName) : fileName_(std::move(fileName)) {}
    bool preview(const PageQueue &queue, const std::string &title) override { return print(queue, title).empty(); }
    std::string print(const PageQueue &queue, const std::string &title) override
    {
        return writePdf(queue, fileName_, title);
    }
    bool printed() const override { return true; }

private:
    std::string fileName_;
};

} // namespace

int ReportProcedure::RunUnattended(ReportOutput &output)
{
    output_ = nullptr;
    const fw::ContextScope own(&context_);
    RunMessages messages(REPORTS::Errors(), DisplayStrings::load(REPORTS::Settings()));
    if (!prepare(true, output))
        return respond(fw::RequestCancelled);
    while (Slice()) {
    }
    finishPages(Outcome::Completed);
    reportMissingPictures();
    if (queue_->empty()) {
        REPORTS::Errors().Throw(ReportMsg::NothingToPrint);
        return respond(fw::RequestCancelled);
    }
    const std::string error = output.print(*queue_, std::string(entry_.title));
    if (!error.empty()) {
        REPORTS::Errors().ThrowMessage(ReportMsg::PdfNotWritten, error);
        return respond(fw::RequestCancelled);
    }
    printed_ = output.printed();
    return respond(fw::RequestCompleted);
}

int ReportProcedure::RunToPdf(const std::string &fileName)
{
    PdfFile pdf(fileName);
    return RunUnattended(pdf);
}

} // namespace rpt
