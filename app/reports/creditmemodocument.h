// The credit memo document: the memo GLO:CREDITMEMONO with its lines, or the blank form. The memo,
// its lines and its customer are read in one read transaction, so a window saving meanwhile never
// changes a half-printed memo. It prints the memo's own stored rates and figures. After a run
// whose pages were really printed or saved, the memo is marked "P" in one unit of work.
#pragma once

#include "app/reports/invoiceprint.h"
#include "reports/reportprocedure.h"

#include <string_view>
#include <vector>

namespace PRN {

class CREDITMEMO : public rpt::ReportProcedure
{
public:
    static constexpr std::string_view Name = "PRN:CREDITMEMO";
    CREDITMEMO();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;
    void Closing() override;
    bool Previewing() const override;

private:
    bool readMemo(dict::LONG memoNo);
    void markPrinted();

    InvoicePrint print_;
    rpt::Band totals_;
    dict::LONG memoNo_ = 0;
    dict::CREDITBuffer range_{};
    dict::CREDITRecord memo_{};
    dict::CUSTOMERRecord customer_{};
    std::string memoText_;
    std::vector<dict::CRSCRIPTIONRecord> lines_;
    bool laid_ = false;
};

} // namespace PRN
