// Upd::CreditMemoDescription: one line of a credit memo: a stock item taken back at a price, or a
// labour line copied from the invoice. The line is refigured on every change; OK books it with
// its stock coming back (creditbook.h) and Delete takes that stock out again. It runs inside the
// credit memo form, on that form's CRE and CUS buffers.
#pragma once

#include "dictionary/records.h"
#include "framework/formprocedure.h"

namespace Upd {

class CreditMemoDescription : public fw::FormProcedure
{
public:
    enum Item { PickItem = 1 };

    CreditMemoDescription();

    void PrimeFields() override;
    int PrimeUpdate() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;

protected:
    fw::FormDeclaration Declare() override;
    int Built() override;

private:
    void pickItem();
    void stockNumberTyped();
    void takeItem();
    void refigure();
    bool itemStillThere();

    dict::CRSCRIPTIONRecord before_{}; // the line as it was when the form opened
};

} // namespace Upd
