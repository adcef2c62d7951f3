#include "framework/reportslib.h"

#include "dictionary/filecomponent.h"
#include "dictionary/files.h"
#include "framework/errorclass.h"
#include "framework/framemessages.h"
#include "framework/iniclass.h"

#include <strings.h>

namespace REPORTS {

namespace {

struct Library {
    fw::ErrorClass ownErrors;
    fw::ErrorClass *errors = &ownErrors;
    fw::INIClass *settings = nullptr;

    Library()
    {
        ownErrors.Init();
        ownErrors.AddErrors(fw::frameworkMessages());
        dict::setDictionaryErrors(&ownErrors);
        dict::registerDataFiles();
    }
};

Library &library()
{
    static Library instance;
    return instance;
}

// Built when the library loads, as the program expects.
const bool loaded = (library(), true);

} // namespace

void INIT(fw::ErrorClass *errors, fw::INIClass *settings)
{
    Library &lib = library();
    if (errors) {
        errors->RemoveErrors(fw::frameworkMessages()); // once, however often it is handed over
        errors->AddErrors(fw::frameworkMessages());
        lib.errors = errors;
        dict::setDictionaryErrors(errors);
    }
    if (settings) {
        lib.settings = settings;
        // The write-ahead log is faster but needs every station on one machine, so it is chosen
        // only where the folder's settings say so.
        const std::string journal = settings->Fetch("Storage", "Journal");
        dict::storage::sqliteDriver().setJournal(strcasecmp(journal.c_str(), "WAL") == 0
                                                     ? dict::storage::Journal::WriteAheadLog
                                                     : dict::storage::Journal::Rollback);
    }
}

void KILL() {}

fw::ErrorClass &Errors() { return *library().errors; }
fw::INIClass *Settings() { return library().settings; }

} // namespace REPORTS
