// The invoice documents: one invoice (or quote) or every invoice tagged in tag table 3, printed
// as invoices or as package lists for the warehouse.
//
// Each document is read in one read transaction (invoice, lines, customer), so a window saving
// meanwhile never changes a half-printed document. After a run whose pages were really printed
// or saved, the invoices printed are marked "P" in one unit of work; then a package list may
// follow, then labels; a tagged run untags what it printed and drops the tags of invoices that
// were deleted meanwhile.
#pragma once

#include <string_view>

#include "app/reports/invoicelayouts.h"
#include "reports/reportprocedure.h"

#include <string>
#include <vector>

namespace PRN {

class InvoiceDocuments : public rpt::ReportProcedure
{
public:
    enum class Form { Invoice, PackageList };
    InvoiceDocuments(std::string_view name, Form form, bool tagged);

    // The invoice numbers whose documents were laid out, in print order.
    const std::vector<dict::LONG> &Laid() const { return laid_; }

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    const rpt::Layout &ReportLayout() const override;
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Closing() override;
    bool Previewing() const override;

private:
    struct Document {
        dict::INVOICERecord invoice{};
        std::string memo;
        dict::CUSTOMERRecord customer{};
        std::vector<dict::DESCRIPTIONRecord> lines;
    };
    enum class Read { Found, Gone, Failed };
    Read readDocument(dict::LONG invoiceNo);
    void printDocument(rpt::ReportEngine &engine);
    void readCompany();
    void markPrinted();
    void untagPrinted();
    void followUp();

    Form form_;
    bool tagged_;
    InvoicePrint print_;
    InvoiceLayouts invoice_;
    rpt::Layout packageList_;
    Document doc_;
    dict::INVOICEBuffer range_{}; // the single variants' invoice number, for the view's range
    dict::TAGFILE_Buffer tagRange_{};
    std::vector<dict::LONG> laid_;
    std::vector<dict::LONG> gone_; // tagged invoices no longer on file
    bool packable_ = false;        // an invoice, not only quotes, was laid out
};

TQ_REPORT_OF(InvoiceDocuments, INVOICES)
TQ_REPORT_OF(InvoiceDocuments, INVOICESTAGGED)
TQ_REPORT_OF(InvoiceDocuments, INVOICESPICKLIST)
TQ_REPORT_OF(InvoiceDocuments, INVOICESPICKLISTTAGGED)

} // namespace PRN
