// PRN::CUSTOMERLABELS: a sheet of labels for the customers tagged in position-tag table 1 —
// address labels (GLO.STARTUP 1, stock GLO.LABELTYPE 4144, 8160 or 8161) or shipping labels with
// the shop's return address (GLO.STARTUP 2, stock GLO.LABEL1TYPE 8163 or 8164). Any other
// choice prints nothing.
#pragma once

#include <string_view>

#include "dictionary/records.h"
#include "app/reports/taggedcustomers.h"
#include "reports/reportprocedure.h"

#include <string>
#include <vector>

namespace PRN {

// A report printed on a label stock chosen as it starts; a stock it is not printed on prints
// nothing.
class LabelSheetReport : public rpt::ReportProcedure
{
public:
    using ReportProcedure::ReportProcedure;

protected:
    const rpt::Layout &ReportLayout() const override;
    const rpt::Layout *sheet_ = nullptr;
};

class CUSTOMERLABELS : public OverTaggedCustomers<LabelSheetReport>
{
public:
    static constexpr std::string_view Name = "PRN:CUSTOMERLABELS";
    CUSTOMERLABELS();

    // The layout of a label stock: its name, for address (true) or shipping labels; nullptr for
    // a stock the labels are not printed on.
    static const rpt::Layout *sheetFor(bool address, int stock);

protected:
    int OpenFiles() override;
    void TakeCustomer(rpt::ReportEngine &engine) override;

private:
    dict::TAGFILEPOS_Buffer tagRange_{};
};

// PRN::USERLABELS: a sheet of the shop's own address labels on the stock GLO.LABELTYPE.
class USERLABELS : public LabelSheetReport
{
public:
    static constexpr std::string_view Name = "PRN:USERLABELS";
    USERLABELS();

protected:
    int OpenFiles() override;
    void SetView(fw::ViewManager &view) override;
    void TakeRecord(rpt::ReportEngine &engine) override;
};

// The shop's address as the shipping labels and its own labels print it, one line each.
std::vector<std::string> &labelReturnAddress();

} // namespace PRN
