// The program's help: our own pages, shown in one help window that stays open beside the others.
// Topic names as windows give them ("~IDH_CUSTOMERDATABASE") map to a page of that name, and to
// the contents when there is none.
#pragma once

#include <QString>

#include <string>

class QWidget;

namespace app {

enum class HelpPage { Contents, Search, HowTo };

void showHelp(HelpPage page);
void showHelpTopic(const QString &topic);
// The page a topic name leads to.
QString helpPageOf(const QString &topic);

// A procedure's page: its name in lower case, ':' as '-', with ".html" ("Brw:Customers" gives
// "brw-customers.html").
QString procedurePageOf(const std::string &procedureName);
bool procedureHasPage(const std::string &procedureName);
// Opens the help window at the procedure's page.
bool showProcedureHelp(const std::string &procedureName);
// Lets every window with a page offer its help (the framework's help hook).
void installHelp();
// The help window while it is open (for tests).
QWidget *openHelpWindow();

} // namespace app
