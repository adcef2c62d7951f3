#include "app/memos/memoform.h"

#include "dictionary/files.h"

namespace Upd {

Memos::Memos()
    : fw::FormProcedure({.name = "Upd:Memos", .title = "Update the Memos File", .files = {Relate::MEMOS}})
{}

fw::FormDeclaration Memos::Declare()
{
    using namespace fw::form;
    return {.primary = &Relate::MEMOS,
            .caption = Request == fw::InsertRecord ? "Add a Memo..." : "Change a Memo...",
            .items = {field("Memo #:", MEM.RECORDNO, "@n06").readOnly(), field("Title:", MEM.TITLE).width(40),
                      memo(MEM.MEMOS)},
            .okText = "Ok...",
            .fixedSize = false};
}

} // namespace Upd
