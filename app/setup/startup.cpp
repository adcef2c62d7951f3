#include "app/setup/startup.h"

#include "app/setup/passwordhash.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/records.h"
#include "dictionary/runtimeerror.h"
#include "dictionary/unitofwork.h"
#include "framework/picture.h"
#include "reports/winroutines.h"

namespace app {

namespace {

constexpr int SetupRecordNo = 1;
constexpr int InvoiceTotals = 1;
constexpr int PurchaseOrderTotals = 2;

// A failed read that only says the record is not there.
bool recordMissing(dict::FileManager &file)
{
    return file.GetError() == dict::Err::RecordNotFound;
}

bool fetchSetup()
{
    SET.RECORDNO = SetupRecordNo;
    return Access::SETUP.TryFetch(SET.RecordNo_Key) == dict::Benign;
}

SetupRead insertDefaults()
{
    FillSetupDefaults();
    if (Access::SETUP.TryInsert() == dict::Benign)
        return SetupRead::Created;
    // Another station starting for the first time at the same moment got there first.
    if (Access::SETUP.GetError() == dict::Err::DuplicateKey && fetchSetup())
        return SetupRead::Found;
    Access::SETUP.Throw(dict::Msg::InsertError);
    return SetupRead::Failed;
}

// Reads totals record number, adding it (all totals zero) when it is missing.
bool ensureTotals(dict::LONG number)
{
    TOT = {};
    TOT.RECORDNO = number;
    if (Access::TOTALINV.TryFetch(TOT.RecordNo_Key) == dict::Benign)
        return true;
    if (!recordMissing(Access::TOTALINV)) {
        Access::TOTALINV.Throw(dict::Msg::RetrievalError);
        return false;
    }
    TOT = {};
    TOT.RECORDNO = number;
    if (Access::TOTALINV.TryInsert() == dict::Benign || Access::TOTALINV.GetError() == dict::Err::DuplicateKey)
        return true;
    Access::TOTALINV.Throw(dict::Msg::InsertError);
    return false;
}

bool ensureBothTotals()
{
    if (Access::TOTALINV.Open() != dict::Benign)
        return false;
    const bool ok = ensureTotals(InvoiceTotals) && ensureTotals(PurchaseOrderTotals);
    Access::TOTALINV.Close();
    return ok;
}

} // namespace

void FillSetupDefaults()
{
    SET = {};
    SET.RECORDNO = SetupRecordNo;
    SET.DATE = fw::today();
    SET.PRINTPREVIEW = 1;
    SET.PRINTINVOICE = 1;
    SET.PRINTCHOICE = 0;
    SET.PRINTSHIPPING = 1;
    SET.DATENAME = "@d2b";
    SET.CURRENCYTYPE = 1;
    SET.LABELTYPE = 8160;
    SET.LABEL1TYPE = 8163;
    SET.PAPERSIZE = "PAPER:LETTER";
    SET.ENVELOPESIZE = "PAPER:ENV_10";
    SET.REMOVERETURNADDRESS = 1;
    SET.INVENTORYMARKUP = 0.0;
    SET.PASSWORD.clear();
    SET.PASSWORDHASH.clear();
    SET.PASSWORDCHANGE = 1;
    SET.PASSWORDDELETE = 1;
    SET.LOGOSIZE = 1;
    SET.LABELLINE = "PLEASE PAY FROM THIS INVOICE";
    SET.PRICE1 = "Price 1";
    SET.PRICE2 = "Price 2";
    SET.PRICE3 = "Price 3";
    SET.TAXABLE = 1;
    SET.TAXSHIPPING = 0;
    SET.PROHIBITESELLING = 0;
    SET.CANADIAN = 3;
    SET.REDLINEINVOICE = 1;
    SET.REDLINECUSTOMER = 1;
    SET.REDLINEINVENTORY = 1;
    SET.REDLINEPURCHASEORDER = 1;
}

SetupRead ReadSetupRecord()
{
    if (fetchSetup())
        return SetupRead::Found;
    if (!recordMissing(Access::SETUP)) {
        // Locked or damaged: never taken for a first run, which would write over the settings.
        Access::SETUP.Throw(dict::Msg::RetrievalError);
        return SetupRead::Failed;
    }
    return insertDefaults();
}

void LoadSettingsGlobals()
{
    GLO.WINROUTINE = WIN::SetupSettings;
    WIN::ROUTINES();
    GLO.WINROUTINE = WIN::MoneyPictures;
    WIN::ROUTINES();
}

// A password an earlier build kept in the clear becomes its hash, in one unit of work. Where the
// folder cannot be written, the hash is made for this run only and the gate still holds.
void hideClearPassword()
{
    if (SET.PASSWORD.blank())
        return;
    SET.PASSWORDHASH = hashPassword(SET.PASSWORD.view());
    SET.PASSWORD.clear();
    dict::UnitOfWork unit{&Access::SETUP};
    if (unit.Active() && Access::SETUP.TryUpdate() == dict::Benign)
        unit.Commit();
}

StartResult StartUp()
{
    if (Access::SETUP.Open() != dict::Benign)
        return StartResult::Failed;
    const SetupRead read = ReadSetupRecord();
    if (read == SetupRead::Found)
        hideClearPassword();
    if (read != SetupRead::Failed)
        LoadSettingsGlobals(); // also on the first run: the globals always mirror what is stored
    Access::SETUP.Close();
    if (read == SetupRead::Failed || !ensureBothTotals())
        return StartResult::Failed;
    if (read == SetupRead::Created) {
        GLO.STARTUP = dict::StartUp::FirstRun;
        return StartResult::FirstRun;
    }
    return StartResult::Loaded;
}

} // namespace app
