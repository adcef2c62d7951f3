#include "framework/helphook.h"

namespace fw {

namespace {

struct HelpHook {
    HelpOpener open;
    HelpOpener hasPage;
};

HelpHook &hook()
{
    static HelpHook installed;
    return installed;
}

} // namespace

void setHelpOpener(HelpOpener open, HelpOpener hasPage)
{
    hook() = {std::move(open), std::move(hasPage)};
}

bool hasHelpPage(const std::string &procedureName)
{
    return !procedureName.empty() && hook().hasPage && hook().open && hook().hasPage(procedureName);
}

bool openHelp(const std::string &procedureName)
{
    return hasHelpPage(procedureName) && hook().open(procedureName);
}

} // namespace fw
