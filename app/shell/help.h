// The program's help: our own pages, shown in one help window that stays open beside the others.
// Topic names as windows give them ("~IDH_CUSTOMERDATABASE") map to a page of that name, and to
// the contents when there is none.
#pragma once

#include <QString>

namespace app {

enum class HelpPage { Contents, Search, HowTo };

void showHelp(HelpPage page);
void showHelpTopic(const QString &topic);
// The page a topic name leads to.
QString helpPageOf(const QString &topic);

} // namespace app
