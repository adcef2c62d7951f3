// The credit memo document: the memo GLO:CREDITMEMONO with its lines, or the blank form. The memo,
// its lines and its customer are read in one read transaction, so a window saving meanwhile never
// changes a half-printed memo. It prints the memo's own stored rates and figures. After a run
// whose pages were really printed or saved, the memo is marked "P" in one unit of work.
#pragma once

#include "app/reports/singledocument.h"

#include <string_view>
#include <vector>

namespace PRN {

class CREDITMEMO : public SingleDocument
{
public:
    static constexpr std::string_view Name = "PRN:CREDITMEMO";
    CREDITMEMO();

protected:
    void TakeRecord(rpt::ReportEngine &engine) override;

private:
    bool readMemo(dict::LONG memoNo);

    dict::CREDITRecord memo_{};
    dict::CUSTOMERRecord customer_{};
    std::string memoText_;
    std::vector<dict::CRSCRIPTIONRecord> lines_;
};

} // namespace PRN
