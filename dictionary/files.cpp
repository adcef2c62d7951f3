#include "dictionary/files.h"

#include <array>

// The managers and buffers exist before any other part of the library is initialised: the
// library's own start-up hands them its error manager.
#define DICTIONARY_FIRST __attribute__((init_priority(200)))
#define DICTIONARY_SECOND __attribute__((init_priority(201)))


dict::CUSTOMERBuffer CUS DICTIONARY_FIRST;
dict::INVOICEBuffer INV DICTIONARY_FIRST;
dict::DESCRIPTIONBuffer DES DICTIONARY_FIRST;
dict::CREDITBuffer CRE DICTIONARY_FIRST;
dict::CRSCRIPTIONBuffer CRS DICTIONARY_FIRST;
dict::FINANCEBuffer FIN DICTIONARY_FIRST;
dict::STOCKBuffer STO DICTIONARY_FIRST;
dict::SPECIALBuffer SPE DICTIONARY_FIRST;
dict::STSTRENDBuffer STS DICTIONARY_FIRST;
dict::VENDORBuffer VEN DICTIONARY_FIRST;
dict::VENFINBuffer VEF DICTIONARY_FIRST;
dict::PURORDERBuffer PUR DICTIONARY_FIRST;
dict::PURDESCRIPTIONBuffer PUD DICTIONARY_FIRST;
dict::MEMOSBuffer MEM DICTIONARY_FIRST;
dict::SETUPBuffer SET DICTIONARY_FIRST;
dict::TOTALINVBuffer TOT DICTIONARY_FIRST;
dict::TAGFILE_Buffer TF_ DICTIONARY_FIRST;
dict::TAGFILEPOS_Buffer TP_ DICTIONARY_FIRST;
dict::TAGSET_Buffer TS_ DICTIONARY_FIRST;

namespace dict {
namespace {

std::array<FileManager, FileCount> accessManagers DICTIONARY_FIRST;
std::array<RelationManager, FileCount> relationManagers DICTIONARY_FIRST;

storage::RecordBuffer bufferOf(FileId file)
{
    switch (file) {
    case FileId::CUSTOMER: return {static_cast<CUSTOMERRecord *>(&CUS), nullptr};
    case FileId::INVOICE: return {static_cast<INVOICERecord *>(&INV), &INV.MEMOS};
    case FileId::DESCRIPTION: return {static_cast<DESCRIPTIONRecord *>(&DES), nullptr};
    case FileId::CREDIT: return {static_cast<CREDITRecord *>(&CRE), &CRE.MEMOS};
    case FileId::CRSCRIPTION: return {static_cast<CRSCRIPTIONRecord *>(&CRS), nullptr};
    case FileId::FINANCE: return {static_cast<FINANCERecord *>(&FIN), nullptr};
    case FileId::STOCK: return {static_cast<STOCKRecord *>(&STO), nullptr};
    case FileId::SPECIAL: return {static_cast<SPECIALRecord *>(&SPE), nullptr};
    case FileId::STSTREND: return {static_cast<STSTRENDRecord *>(&STS), nullptr};
    case FileId::VENDOR: return {static_cast<VENDORRecord *>(&VEN), nullptr};
    case FileId::VENFIN: return {static_cast<VENFINRecord *>(&VEF), nullptr};
    case FileId::PURORDER: return {static_cast<PURORDERRecord *>(&PUR), &PUR.MEMOS};
    case FileId::PURDESCRIPTION: return {static_cast<PURDESCRIPTIONRecord *>(&PUD), nullptr};
    case FileId::MEMOS: return {static_cast<MEMOSRecord *>(&MEM), &MEM.MEMOS};
    case FileId::SETUP: return {static_cast<SETUPRecord *>(&SET), nullptr};
    case FileId::TOTALINV: return {static_cast<TOTALINVRecord *>(&TOT), nullptr};
    case FileId::TAGFILE_: return {static_cast<TAGFILE_Record *>(&TF_), nullptr};
    case FileId::TAGFILEPOS_: return {static_cast<TAGFILEPOS_Record *>(&TP_), nullptr};
    case FileId::TAGSET_: return {static_cast<TAGSET_Record *>(&TS_), nullptr};
    }
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
dict::FileManager &CUSTOMER = dict::accessManagers[static_cast<int>(dict::FileId::CUSTOMER)];
dict::FileManager &INVOICE = dict::accessManagers[static_cast<int>(dict::FileId::INVOICE)];
dict::FileManager &DESCRIPTION = dict::accessManagers[static_cast<int>(dict::FileId::DESCRIPTION)];
dict::FileManager &CREDIT = dict::accessManagers[static_cast<int>(dict::FileId::CREDIT)];
dict::FileManager &CRSCRIPTION = dict::accessManagers[static_cast<int>(dict::FileId::CRSCRIPTION)];
dict::FileManager &FINANCE = dict::accessManagers[static_cast<int>(dict::FileId::FINANCE)];
dict::FileManager &STOCK = dict::accessManagers[static_cast<int>(dict::FileId::STOCK)];
dict::FileManager &SPECIAL = dict::accessManagers[static_cast<int>(dict::FileId::SPECIAL)];
dict::FileManager &STSTREND = dict::accessManagers[static_cast<int>(dict::FileId::STSTREND)];
dict::FileManager &VENDOR = dict::accessManagers[static_cast<int>(dict::FileId::VENDOR)];
dict::FileManager &VENFIN = dict::accessManagers[static_cast<int>(dict::FileId::VENFIN)];
dict::FileManager &PURORDER = dict::accessManagers[static_cast<int>(dict::FileId::PURORDER)];
dict::FileManager &PURDESCRIPTION = dict::accessManagers[static_cast<int>(dict::FileId::PURDESCRIPTION)];
dict::FileManager &MEMOS = dict::accessManagers[static_cast<int>(dict::FileId::MEMOS)];
dict::FileManager &SETUP = dict::accessManagers[static_cast<int>(dict::FileId::SETUP)];
dict::FileManager &TOTALINV = dict::accessManagers[static_cast<int>(dict::FileId::TOTALINV)];
dict::FileManager &TAGFILE_ = dict::accessManagers[static_cast<int>(dict::FileId::TAGFILE_)];
dict::FileManager &TAGFILEPOS_ = dict::accessManagers[static_cast<int>(dict::FileId::TAGFILEPOS_)];
dict::FileManager &TAGSET_ = dict::accessManagers[static_cast<int>(dict::FileId::TAGSET_)];
} // namespace Access

namespace Relate {
dict::RelationManager &CUSTOMER = dict::relationManagers[static_cast<int>(dict::FileId::CUSTOMER)];
dict::RelationManager &INVOICE = dict::relationManagers[static_cast<int>(dict::FileId::INVOICE)];
dict::RelationManager &DESCRIPTION = dict::relationManagers[static_cast<int>(dict::FileId::DESCRIPTION)];
dict::RelationManager &CREDIT = dict::relationManagers[static_cast<int>(dict::FileId::CREDIT)];
dict::RelationManager &CRSCRIPTION = dict::relationManagers[static_cast<int>(dict::FileId::CRSCRIPTION)];
dict::RelationManager &FINANCE = dict::relationManagers[static_cast<int>(dict::FileId::FINANCE)];
dict::RelationManager &STOCK = dict::relationManagers[static_cast<int>(dict::FileId::STOCK)];
dict::RelationManager &SPECIAL = dict::relationManagers[static_cast<int>(dict::FileId::SPECIAL)];
dict::RelationManager &STSTREND = dict::relationManagers[static_cast<int>(dict::FileId::STSTREND)];
dict::RelationManager &VENDOR = dict::relationManagers[static_cast<int>(dict::FileId::VENDOR)];
dict::RelationManager &VENFIN = dict::relationManagers[static_cast<int>(dict::FileId::VENFIN)];
dict::RelationManager &PURORDER = dict::relationManagers[static_cast<int>(dict::FileId::PURORDER)];
dict::RelationManager &PURDESCRIPTION = dict::relationManagers[static_cast<int>(dict::FileId::PURDESCRIPTION)];
dict::RelationManager &MEMOS = dict::relationManagers[static_cast<int>(dict::FileId::MEMOS)];
dict::RelationManager &SETUP = dict::relationManagers[static_cast<int>(dict::FileId::SETUP)];
dict::RelationManager &TOTALINV = dict::relationManagers[static_cast<int>(dict::FileId::TOTALINV)];
dict::RelationManager &TAGFILE_ = dict::relationManagers[static_cast<int>(dict::FileId::TAGFILE_)];
dict::RelationManager &TAGFILEPOS_ = dict::relationManagers[static_cast<int>(dict::FileId::TAGFILEPOS_)];
dict::RelationManager &TAGSET_ = dict::relationManagers[static_cast<int>(dict::FileId::TAGSET_)];
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
