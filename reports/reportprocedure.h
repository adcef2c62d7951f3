// The skeleton every PRN procedure runs on. A report names itself; its catalogue row gives its
// title and how it runs (whether it asks for dates, whether it is a document that always prints
// its form). It supplies its files, its view, its layout and what it does per record; the
// skeleton does the rest: display strings, the
// date prompt, the progress window with its percentage and Cancel, the page queue, the preview or
// the printer, the "nothing to print" notes and GlobalResponse.
//
// Run() is the desktop run. RunToPdf() is the same pass with no window and no question, straight
// into a PDF file (the command line, the tests): its dates and numbers are set by the caller.
// Both read and print in the report's own thread context, whoever was current when it started.
#pragma once

#include "framework/threadcontext.h"
#include "framework/viewmanager.h"
#include "reports/displaystrings.h"
#include "reports/pagequeue.h"
#include "reports/reportengine.h"
#include "reports/reportentry.h"
#include "reports/reportlayout.h"

#include <initializer_list>
#include <memory>
#include <vector>
#include <string>
#include <string_view>

// A report of a family under its own name (PRN::SALESDAILY of InvoiceSummary); its constructor,
// written beside the family's, hands the family its name and its kind.
#define TQ_REPORT_OF(FAMILY, NAME)                                                                                      \
    class NAME : public FAMILY                                                                                          \
    {                                                                                                                   \
    public:                                                                                                             \
        static constexpr std::string_view Name = "PRN:" #NAME;                                                          \
        NAME();                                                                                                         \
    };

namespace rpt {

class ReportOutput;

class ReportProcedure
{
public:
    // A report of the catalogue, by its name ("PRN:VENDORNAME").
    explicit ReportProcedure(std::string_view name);
    // A report the catalogue does not list.
    explicit ReportProcedure(const CatalogueEntry &entry) : entry_(entry) {}
    virtual ~ReportProcedure();
    ReportProcedure(const ReportProcedure &) = delete;
    ReportProcedure &operator=(const ReportProcedure &) = delete;

    // Preview or print by GLO.PRINTPREVIEW, through output (the desktop's unless given). Returns
    // the response it leaves in GlobalResponse: 1 pages were produced, 2 nothing printed.
    int Run(ReportOutput *output = nullptr);
    // The same pass with no window and no question, its pages handed to output.print() (a test's
    // stand-in, a PDF file); failures go through the error manager. Returns the response as Run
    // does; 1 only when the pages were delivered.
    int RunUnattended(ReportOutput &output);
    // RunUnattended into a PDF file.
    int RunToPdf(const std::string &fileName);

    const CatalogueEntry &entry() const { return entry_; }
    // Whether the pages were really printed or saved (what a document's printed marker needs).
    bool printed() const { return printed_; }

    // The pass, for the progress window: opens the view on the first call, then prints up to
    // RecordsPerCycle records; false at the end of the view.
    bool Slice();
    int Percent() const;
    long long RecordsDone() const { return done_; }
    bool HasPages() const { return engine_ && engine_->started(); }
    static constexpr int RecordsPerCycle = 25;

protected:
    // The family's part. OpenFiles returns a level (0 to go on) and has reported any failure; as
    // it stands it opens the files named by ReadsFiles in turn (a failure closes those opened),
    // and CloseFiles closes them. A family that sets up more calls these from its own.
    virtual int OpenFiles();
    virtual void CloseFiles();
    void ReadsFiles(std::initializer_list<dict::FileManager *> files) { files_.assign(files); }
    // Initialises the view over the primary file: its order, filter and the names the filter uses.
    virtual void SetView(fw::ViewManager &view) = 0;
    // The report's layout: layout_, unless the report picks one as it runs (a label stock).
    virtual const Layout &ReportLayout() const { return layout_; }
    // The detail of the record in the buffers (running totals, then the band).
    virtual void TakeRecord(ReportEngine &engine) { engine.printDetail(); }
    // At the end of a pass that read every record and printed something, or holds something
    // back (Pending): the report's closing bands (the last summed line, grand totals); as it
    // stands, closing_.
    virtual void Finishing(ReportEngine &engine)
    {
        if (!closing_.empty())
            engine.printBand(closing_);
    }
    virtual bool Pending() const { return false; }
    // After the run, whether or not it printed.
    virtual void Closing() {}
    // The date range prompt; false when cancelled.
    virtual bool AskDates();
    // Whether the desktop run shows the preview (GLO.PRINTPREVIEW unless the report knows better).
    virtual bool Previewing() const;

    const DisplayStrings &strings() const { return strings_; }
    // Where the desktop run hands its pages; nullptr in a run straight into a PDF, which asks
    // nothing and opens no window.
    ReportOutput *Output() const { return output_; }
    // Makes the report's own records current again after something that let other windows
    // handle events (a message box, a prompt, another report), as those make their own current.
    void Resume() { context_.makeCurrent(); }
    // Ends the pass after the record being taken, as at the end of the view (a read failure
    // already reported).
    void StopReading() { stop_ = true; }

    Layout layout_;
    Band closing_; // the totals that close a run

private:
    enum class Outcome { Completed, PartialPreview, Cancelled };
    bool prepare(bool unattended, const ReportOutput &output);
    Outcome pass();
    void closeRun();
    void finishPages(Outcome outcome);
    void reportMissingPictures();
    int respond(int response);

    CatalogueEntry entry_;
    std::vector<dict::FileManager *> files_;
    // The report's own records: a window that saves while the report runs never changes the
    // buffers it prints from, and the report never changes the window's.
    fw::ThreadContext context_;
    DisplayStrings strings_;
    fw::ViewManager view_;
    std::unique_ptr<PageQueue> queue_;
    std::unique_ptr<ReportEngine> engine_;
    ReportOutput *output_ = nullptr;
    bool opened_ = false;
    bool atEnd_ = false;
    bool stop_ = false;
    bool printed_ = false;
    bool filesOpen_ = false;
    long long done_ = 0;
    long long toDo_ = 0;
    int savedRequest_ = 0;
};

} // namespace rpt
