#include "app/reports/singledocument.h"

#include "app/common/booking.h"
#include "app/reports/documentmessages.h"
#include "dictionary/errorreporter.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/runtimeerror.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"
#include "framework/viewmanager.h"

namespace PRN {

void restoreParkedPrintSettings()
{
    GLO.PRINTCHOICE = GLO.THREADNO;
    GLO.PRINTPREVIEW = GLO.THREADNO1;
    GLO.THREADNO = 0;
    GLO.THREADNO1 = 0;
}

SingleDocument::SingleDocument(std::string_view name, Source source)
    : ReportProcedure(name), source_(source), range_(source.file.Def().recordSize)
{}

int SingleDocument::OpenFiles()
{
    app::installDocumentMessages(REPORTS::Errors());
    print_ = InvoicePrint{};
    print_.run = InvoiceRun::fromGlobals();
    number_ = source_.handedOver();
    laid_ = false;
    if (const int level = ReportProcedure::OpenFiles(); level != dict::Benign)
        return level;
    dict::setInteger(*source_.number.def, source_.number.record, number_);
    if (printing() && source_.file.TryFetch(source_.numberKey) != dict::Benign) {
        REPORTS::Errors().ThrowMessage(source_.notFound, fw::formatValue(number_, "@n06"));
        CloseFiles();
        return dict::Notify;
    }
    SET.RECORDNO = 1;
    if (!print_.run.stationery && Access::SETUP.TryFetch(SET.RecordNo_Key) == dict::Benign)
        print_.company = companyLines(SET, print_.run.regime);
    return dict::Benign;
}

void SingleDocument::SetView(fw::ViewManager &view)
{
    view.Init(&source_.relation);
    view.AddSortOrder(source_.numberKey);
    const dict::FieldRef range{source_.number.def, range_.data()};
    dict::setInteger(*range.def, range.record, printing() ? number_ : 0); // a blank form reads none
    view.AddRange(range);
}

bool SingleDocument::Previewing() const
{
    return GLO.PRINTCHOICE != 1 && ReportProcedure::Previewing();
}

void SingleDocument::Closing()
{
    markPrinted();
    GLO.STARTUP = dict::StartUp::None;
    if (print_.run.blank)
        restoreParkedPrintSettings();
}

void SingleDocument::markPrinted()
{
    if (!printed() || !laid_)
        return;
    dict::FileManager &file = source_.file;
    app::book({&file}, std::string(source_.what) + " " + std::to_string(number_), [&]() -> app::Step {
        dict::setInteger(*source_.number.def, source_.number.record, number_);
        if (file.TryFetch(source_.numberKey) != dict::Benign)
            return file.GetError() == dict::Err::RecordNotFound ? dict::Benign : dict::Notify;
        dict::setString(*source_.printed.def, source_.printed.record, "P");
        return file.TryUpdate();
    });
}

} // namespace PRN
