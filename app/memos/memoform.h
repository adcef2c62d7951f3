// Upd::Memos: one standard memo: its number, title and text.
#pragma once

#include "framework/formprocedure.h"

namespace Upd {

class Memos : public fw::FormProcedure
{
public:
    Memos();

protected:
    fw::FormDeclaration Declare() override;
};

} // namespace Upd
