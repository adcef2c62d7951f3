// The program's help, as windows reach it: the program installs the hook (its help window), and a
// window whose procedure has a page enables its help button and opens that page on the button or
// the toolbar's help code. Without a hook no window offers help.
#pragma once

#include <functional>
#include <string>

namespace fw {

using HelpOpener = std::function<bool(const std::string &procedureName)>;

// open shows the procedure's page (false when it could not); hasPage says whether there is one.
void setHelpOpener(HelpOpener open, HelpOpener hasPage);
bool hasHelpPage(const std::string &procedureName);
bool openHelp(const std::string &procedureName);

} // namespace fw
