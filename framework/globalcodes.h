// The codes a caller and the procedure it runs pass to each other, and the navigation codes of
// the toolbar buttons.
#pragma once

#include "dictionary/fieldtypes.h"

// Set by the caller just before it runs a procedure; read and cleared by the procedure.
extern dict::BYTE GlobalRequest;
// The procedure's result: 1 completed, 2 cancelled.
extern dict::BYTE GlobalResponse;
// Navigation request left by a form for its browse (a navigation code, 0 for none).
extern int VCRRequest;

namespace fw {

enum Request : int { NoRequest = 0, InsertRecord = 1, ChangeRecord = 2, DeleteRecord = 3, SelectRecord = 4 };
enum Response : int { NoResponse = 0, RequestCompleted = 1, RequestCancelled = 2 };

namespace Nav {
inline constexpr int Insert = 2000;
inline constexpr int Change = 2001;
inline constexpr int Delete = 2002;
inline constexpr int Select = 2003;
inline constexpr int Bottom = 2004; // last page
inline constexpr int Top = 2005;    // first page
inline constexpr int PageDown = 2006;
inline constexpr int PageUp = 2007;
inline constexpr int Down = 2008; // next record
inline constexpr int Up = 2009;   // prior record
inline constexpr int History = 2011;
inline constexpr int Help = 2012;
} // namespace Nav

} // namespace fw
