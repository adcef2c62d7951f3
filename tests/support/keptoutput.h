// A stand-in for the desktop's preview and print dialog: keeps the page dump and title of every
// run handed to it, and "prints" from the preview unless told the user closed it without.
#pragma once

#include "reports/pageoutput.h"
#include "reports/reportoutput.h"

#include <string>
#include <vector>

namespace testsupport {

struct KeptOutput : rpt::ReportOutput {
    bool preview(const rpt::PageQueue &queue, const std::string &title) override
    {
        keep(queue, title);
        return printFromPreview;
    }
    std::string print(const rpt::PageQueue &queue, const std::string &title) override
    {
        keep(queue, title);
        return {};
    }
    bool printed() const override { return true; }

    bool printFromPreview = true;
    std::vector<std::string> dumps;
    std::vector<std::string> titles;

private:
    void keep(const rpt::PageQueue &queue, const std::string &title)
    {
        dumps.push_back(rpt::dumpPages(queue));
        titles.push_back(title);
    }
};

// Puts the stand-in in the desktop's place for the life of the object.
class DesktopStandIn
{
public:
    DesktopStandIn() { rpt::replaceDesktopOutput(&output); }
    ~DesktopStandIn() { rpt::replaceDesktopOutput(nullptr); }
    DesktopStandIn(const DesktopStandIn &) = delete;
    DesktopStandIn &operator=(const DesktopStandIn &) = delete;
    KeptOutput output;
};

} // namespace testsupport
