#include "dictionary/files.h"

#include <array>

// The managers and buffers exist before any other part of the library is initialised: the
// library's own start-up hands them its error manager.
#define DICTIONARY_FIRST __attribute__((init_priority(200)))
#define DICTIONARY_SECOND __attribute__((init_priority(201)))

// The record buffers: CUS, INV ... as files.h declares them.
#define TQ_DEFINE_BUFFER(file, prefix, size) dict::file##Buffer prefix DICTIONARY_FIRST;
#define TQ_BUFFER_OF_FILE(file) file##_FILE(TQ_DEFINE_BUFFER)
DICTIONARY_FILES(TQ_BUFFER_OF_FILE)
#undef TQ_BUFFER_OF_FILE
#undef TQ_DEFINE_BUFFER

namespace dict {
namespace {

std::array<FileManager, FileCount> accessManagers DICTIONARY_FIRST;
std::array<RelationManager, FileCount> relationManagers DICTIONARY_FIRST;

template <typename Buffer>
Memo *memoOf(Buffer &buffer)
{
    if constexpr (requires { buffer.MEMOS; })
        return &buffer.MEMOS;
    else
        return nullptr;
}

storage::RecordBuffer bufferOf(FileId file)
{
#define TQ_CASE(file, prefix, size) \
    case FileId::file: return {static_cast<file##Record *>(&prefix), memoOf(prefix)};
#define TQ_CASE_OF_FILE(file) file##_FILE(TQ_CASE)
    switch (file) {
        DICTIONARY_FILES(TQ_CASE_OF_FILE)
    }
#undef TQ_CASE_OF_FILE
#undef TQ_CASE
    return {};
}

void addRelations()
{
    relate(FileId::CUSTOMER).AddRelation(&relate(FileId::CRSCRIPTION), RuleCascade, RuleNone, CRS.CustomerNo_Key);
    relate(FileId::CUSTOMER).AddRelationLink(field(CUS.CUSTOMERNO), field(CRS.CUSTOMERNO));
    relate(FileId::CUSTOMER).AddRelation(&relate(FileId::DESCRIPTION), RuleCascade, RuleNone, DES.CustomerNo_Key);
    relate(FileId::CUSTOMER).AddRelationLink(field(CUS.CUSTOMERNO), field(DES.CUSTOMERNO));
    relate(FileId::CUSTOMER).AddRelation(&relate(FileId::CREDIT), RuleCascade, RuleNone, CRE.Customer_Key);
    relate(FileId::CUSTOMER).AddRelationLink(field(CUS.CUSTOMERNO), field(CRE.CUSTOMERNO));
    relate(FileId::CUSTOMER).AddRelation(&relate(FileId::FINANCE), RuleCascade, RuleNone, FIN.CustomerDate_Key);
    relate(FileId::CUSTOMER).AddRelationLink(field(CUS.CUSTOMERNO), field(FIN.CUSTOMERNO));
    relate(FileId::CUSTOMER).AddRelation(&relate(FileId::INVOICE), RuleCascade, RuleNone, INV.Customer_Key);
    relate(FileId::CUSTOMER).AddRelationLink(field(CUS.CUSTOMERNO), field(INV.CUSTOMERNO));
    relate(FileId::INVOICE).AddRelation(&relate(FileId::FINANCE), RuleCascade, RuleCascade, FIN.InvoiceNo_Key);
    relate(FileId::INVOICE).AddRelationLink(field(INV.INVOICENO), field(FIN.INVOICENO));
    relate(FileId::INVOICE).AddRelation(&relate(FileId::DESCRIPTION), RuleCascade, RuleCascade, DES.InvoiceNo_Key);
    relate(FileId::INVOICE).AddRelationLink(field(INV.INVOICENO), field(DES.INVOICENO));
    relate(FileId::CREDIT).AddRelation(&relate(FileId::CRSCRIPTION), RuleCascade, RuleCascade, CRS.CreditMemoNo_Key);
    relate(FileId::CREDIT).AddRelationLink(field(CRE.CREDITMEMONO), field(CRS.CREDITMEMONO));
    relate(FileId::CREDIT).AddRelation(&relate(FileId::FINANCE), RuleCascade, RuleCascade, FIN.CreditMemoNo_Key);
    relate(FileId::CREDIT).AddRelationLink(field(CRE.CREDITMEMONO), field(FIN.CREDITMEMONO));
    relate(FileId::STOCK).AddRelation(&relate(FileId::PURDESCRIPTION), RuleCascade, RuleNone, PUD.StockNo_Key);
    relate(FileId::STOCK).AddRelationLink(field(STO.STOCKNO), field(PUD.STOCKNO));
    relate(FileId::STOCK).AddRelation(&relate(FileId::STSTREND), RuleCascade, RuleCascade, STS.StockNo_Key);
    relate(FileId::STOCK).AddRelationLink(field(STO.STOCKNO), field(STS.STOCKNO));
    relate(FileId::STOCK).AddRelation(&relate(FileId::SPECIAL), RuleCascade, RuleCascade, SPE.StockNo_Key);
    relate(FileId::STOCK).AddRelationLink(field(STO.STOCKNO), field(SPE.STOCKNO));
    relate(FileId::STOCK).AddRelation(&relate(FileId::CRSCRIPTION), RuleCascade, RuleNone, CRS.StockNo_Key);
    relate(FileId::STOCK).AddRelationLink(field(STO.STOCKNO), field(CRS.STOCKNO));
    relate(FileId::STOCK).AddRelation(&relate(FileId::DESCRIPTION), RuleCascade, RuleNone, DES.StockNo_Key);
    relate(FileId::STOCK).AddRelationLink(field(STO.STOCKNO), field(DES.STOCKNO));
    relate(FileId::VENDOR).AddRelation(&relate(FileId::VENFIN), RuleCascade, RuleNone, VEF.VendorDate_Key);
    relate(FileId::VENDOR).AddRelationLink(field(VEN.ACCOUNTNO), field(VEF.ACCOUNTNO));
    relate(FileId::VENDOR).AddRelation(&relate(FileId::PURORDER), RuleCascade, RuleNone, PUR.Vendor_Key);
    relate(FileId::VENDOR).AddRelationLink(field(VEN.ACCOUNTNO), field(PUR.ACCOUNTNO));
    relate(FileId::VENDOR).AddRelation(&relate(FileId::STOCK), RuleCascade, RuleNone, STO.Vendor_Key);
    relate(FileId::VENDOR).AddRelationLink(field(VEN.VENDOR), field(STO.VENDOR));
    relate(FileId::PURORDER).AddRelation(&relate(FileId::VENFIN), RuleCascade, RuleCascade, VEF.POrderNo_Key);
    relate(FileId::PURORDER).AddRelationLink(field(PUR.PORDERNO), field(VEF.PORDERNO));
    relate(FileId::PURORDER).AddRelation(&relate(FileId::PURDESCRIPTION), RuleCascade, RuleCascade, PUD.PurOrderItem_Key);
    relate(FileId::PURORDER).AddRelationLink(field(PUR.PORDERNO), field(PUD.PURORDERNO));
    relate(FileId::TAGSET_).AddRelation(&relate(FileId::TAGFILE_), RuleCascade, RuleCascade, TF_.PtrKey);
    relate(FileId::TAGSET_).AddRelationLink(field(TS_.USR), field(TF_.USR));
    relate(FileId::TAGSET_).AddRelationLink(field(TS_.TBL), field(TF_.TBL));
    relate(FileId::TAGSET_).AddRelation(&relate(FileId::TAGFILEPOS_), RuleCascade, RuleCascade, TP_.ValKey);
    relate(FileId::TAGSET_).AddRelationLink(field(TS_.USR), field(TP_.USR));
    relate(FileId::TAGSET_).AddRelationLink(field(TS_.TBL), field(TP_.TBL));
    relate(FileId::TAGFILEPOS_).AddRelation(&relate(FileId::CUSTOMER), RuleNone, RuleNone, CUS.CustomerNo_Key);
    relate(FileId::TAGFILEPOS_).AddRelationLink(field(TP_.POS), field(CUS.CUSTOMERNO));
    relate(FileId::TAGFILE_).AddRelation(&relate(FileId::CREDIT), RuleNone, RuleNone, CRE.CreditMemoNo_Key);
    relate(FileId::TAGFILE_).AddRelationLink(field(TF_.PTR), field(CRE.CREDITMEMONO));
    relate(FileId::TAGFILE_).AddRelation(&relate(FileId::INVOICE), RuleNone, RuleNone, INV.InvoiceNo_Key);
    relate(FileId::TAGFILE_).AddRelationLink(field(TF_.PTR), field(INV.INVOICENO));

    // Files opened and closed with the ones above.
    relate(FileId::CREDIT).AddRelation(&relate(FileId::TAGFILE_));
    relate(FileId::CREDIT).AddRelation(&relate(FileId::CUSTOMER));
    relate(FileId::DESCRIPTION).AddRelation(&relate(FileId::CUSTOMER));
    relate(FileId::DESCRIPTION).AddRelation(&relate(FileId::STOCK));
    relate(FileId::DESCRIPTION).AddRelation(&relate(FileId::INVOICE));
    relate(FileId::STSTREND).AddRelation(&relate(FileId::STOCK));
    relate(FileId::SPECIAL).AddRelation(&relate(FileId::STOCK));
    relate(FileId::INVOICE).AddRelation(&relate(FileId::TAGFILE_));
    relate(FileId::INVOICE).AddRelation(&relate(FileId::CUSTOMER));
    relate(FileId::STOCK).AddRelation(&relate(FileId::VENDOR));
    relate(FileId::PURORDER).AddRelation(&relate(FileId::VENDOR));
    relate(FileId::FINANCE).AddRelation(&relate(FileId::CREDIT));
    relate(FileId::FINANCE).AddRelation(&relate(FileId::INVOICE));
    relate(FileId::FINANCE).AddRelation(&relate(FileId::CUSTOMER));
    relate(FileId::VENFIN).AddRelation(&relate(FileId::PURORDER));
    relate(FileId::VENFIN).AddRelation(&relate(FileId::VENDOR));
    relate(FileId::PURDESCRIPTION).AddRelation(&relate(FileId::STOCK));
    relate(FileId::PURDESCRIPTION).AddRelation(&relate(FileId::PURORDER));
    relate(FileId::TAGFILE_).AddRelation(&relate(FileId::TAGSET_));
    relate(FileId::TAGFILEPOS_).AddRelation(&relate(FileId::TAGSET_));
}

// Builds every manager when the library is loaded.
struct Loader {
    Loader() { initDictionary(nullptr); }
    ~Loader() { killDictionary(); }
} loader DICTIONARY_SECOND;

} // namespace

FileManager &access(FileId file) { return accessManagers[static_cast<int>(file)]; }
RelationManager &relate(FileId file) { return relationManagers[static_cast<int>(file)]; }

const std::vector<FileId> &initialisationOrder()
{
    static const std::vector<FileId> order{
        FileId::CUSTOMER, FileId::MEMOS, FileId::CRSCRIPTION, FileId::VENDOR, FileId::PURDESCRIPTION, FileId::VENFIN, FileId::FINANCE, FileId::SETUP, FileId::PURORDER, FileId::TOTALINV, FileId::STOCK, FileId::INVOICE, FileId::SPECIAL, FileId::STSTREND, FileId::DESCRIPTION, FileId::CREDIT, FileId::TAGSET_, FileId::TAGFILE_, FileId::TAGFILEPOS_};
    return order;
}

void initDictionary(ErrorReporter *errors)
{
    for (FileId file : initialisationOrder()) {
        FileManager &manager = access(file);
        manager.Init(file, bufferOf(file), errors);
        const FileDef &def = fileDef(file);
        for (std::size_t k = 0; k < def.keys.size(); ++k)
            manager.AddKey({file, static_cast<int>(k)}, def.keys[k].name, def.keys[k].autoNumber);
        clearRecord(def, manager.Buffer().bytes);
    }
    for (FileId file : initialisationOrder())
        relate(file).Init(&access(file), false);
    addRelations();
}

void killDictionary()
{
    for (FileId file : initialisationOrder()) {
        relate(file).Kill();
        access(file).Kill();
    }
}

void setDictionaryErrors(ErrorReporter *errors)
{
    for (FileId file : initialisationOrder())
        access(file).SetErrors(errors);
}

} // namespace dict

namespace Access {
#define TQ_ACCESS(file) dict::FileManager &file = dict::accessManagers[static_cast<int>(dict::FileId::file)];
DICTIONARY_FILES(TQ_ACCESS)
#undef TQ_ACCESS
} // namespace Access

namespace Relate {
#define TQ_RELATE(file) dict::RelationManager &file = dict::relationManagers[static_cast<int>(dict::FileId::file)];
DICTIONARY_FILES(TQ_RELATE)
#undef TQ_RELATE
} // namespace Relate

namespace dict {

FieldRef field(const void *member, std::size_t size)
{
    const auto *address = static_cast<const char *>(member);
    for (FileId file : initialisationOrder()) {
        const FileDef &def = fileDef(file);
        auto *record = static_cast<char *>(bufferOf(file).bytes);
        if (address < record || address >= record + def.recordSize)
            continue;
        const FieldDef *f = fieldAt(def, static_cast<std::size_t>(address - record));
        if (f && f->size == size)
            return {f, record};
        break;
    }
    std::abort(); // not a field of a file's buffer: a programming error
}

} // namespace dict
