// Brw::GetStandardMemos: the standard memo texts (terms of sale, delivery notes ...) kept in
// MEMOS: the list that keeps them and the pick list the document memo windows append from.
#pragma once

#include "framework/browseprocedure.h"

#include <string>
#include <string_view>

namespace Brw {

class GetStandardMemos : public fw::BrowseProcedure
{
public:
    static const fw::BrowseSpec &Spec();

    GetStandardMemos();
};

} // namespace Brw

namespace app {

// A document memo with a standard memo appended: its text, a carriage return, the standard text
// and a carriage return, cut at the memo's 500 characters. A blank standard text appends nothing.
std::string appendedMemo(std::string_view memo, std::string_view standard);

// The pick list run for a document memo window: the chosen memo's text appended to memo (nothing
// when the pick is cancelled). The MEMOS buffer is cleared on a cancelled pick.
void appendStandardMemo(dict::Memo &memo);

} // namespace app
