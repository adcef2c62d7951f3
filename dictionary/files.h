// The data files as the rest of the system sees them: one record buffer per file (CUS, INV ...)
// and its access and relation managers (Access::CUSTOMER, Relate::CUSTOMER ...), all built when
// the library loads.
#pragma once

#include "dictionary/filemanager.h"
#include "dictionary/records.h"
#include "dictionary/relationmanager.h"


extern dict::CUSTOMERBuffer CUS;
extern dict::INVOICEBuffer INV;
extern dict::DESCRIPTIONBuffer DES;
extern dict::CREDITBuffer CRE;
extern dict::CRSCRIPTIONBuffer CRS;
extern dict::FINANCEBuffer FIN;
extern dict::STOCKBuffer STO;
extern dict::SPECIALBuffer SPE;
extern dict::STSTRENDBuffer STS;
extern dict::VENDORBuffer VEN;
extern dict::VENFINBuffer VEF;
extern dict::PURORDERBuffer PUR;
extern dict::PURDESCRIPTIONBuffer PUD;
extern dict::MEMOSBuffer MEM;
extern dict::SETUPBuffer SET;
extern dict::TOTALINVBuffer TOT;
extern dict::TAGFILE_Buffer TF_;
extern dict::TAGFILEPOS_Buffer TP_;
extern dict::TAGSET_Buffer TS_;

namespace Access {
extern dict::FileManager &CUSTOMER;
extern dict::FileManager &INVOICE;
extern dict::FileManager &DESCRIPTION;
extern dict::FileManager &CREDIT;
extern dict::FileManager &CRSCRIPTION;
extern dict::FileManager &FINANCE;
extern dict::FileManager &STOCK;
extern dict::FileManager &SPECIAL;
extern dict::FileManager &STSTREND;
extern dict::FileManager &VENDOR;
extern dict::FileManager &VENFIN;
extern dict::FileManager &PURORDER;
extern dict::FileManager &PURDESCRIPTION;
extern dict::FileManager &MEMOS;
extern dict::FileManager &SETUP;
extern dict::FileManager &TOTALINV;
extern dict::FileManager &TAGFILE_;
extern dict::FileManager &TAGFILEPOS_;
extern dict::FileManager &TAGSET_;
} // namespace Access

namespace Relate {
extern dict::RelationManager &CUSTOMER;
extern dict::RelationManager &INVOICE;
extern dict::RelationManager &DESCRIPTION;
extern dict::RelationManager &CREDIT;
extern dict::RelationManager &CRSCRIPTION;
extern dict::RelationManager &FINANCE;
extern dict::RelationManager &STOCK;
extern dict::RelationManager &SPECIAL;
extern dict::RelationManager &STSTREND;
extern dict::RelationManager &VENDOR;
extern dict::RelationManager &VENFIN;
extern dict::RelationManager &PURORDER;
extern dict::RelationManager &PURDESCRIPTION;
extern dict::RelationManager &MEMOS;
extern dict::RelationManager &SETUP;
extern dict::RelationManager &TOTALINV;
extern dict::RelationManager &TAGFILE_;
extern dict::RelationManager &TAGFILEPOS_;
extern dict::RelationManager &TAGSET_;
} // namespace Relate

namespace dict {

FileManager &access(FileId file);
RelationManager &relate(FileId file);
// The order in which the managers are initialised (and the files registered).
const std::vector<FileId> &initialisationOrder();
// Builds every manager (done once when the library loads); reporting goes through errors.
void initDictionary(ErrorReporter *errors);
void killDictionary();
// Hands every access manager the error manager to report through.
void setDictionaryErrors(ErrorReporter *errors);

} // namespace dict
