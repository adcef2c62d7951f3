// Upd::CustomerFinanceHistory: the payment form, run by the finance history for Add and Change.
// It records a payment of the customer in the CUS buffer, against one of that customer's
// invoices or on account, with the details its payment type asks for; the booking applies it to
// the invoice and the balance by difference (app/payments/paymentbook.h). An invoice's own
// FINANCE record and a credit memo's open read-only.
#pragma once

#include "dictionary/records.h"
#include "framework/formprocedure.h"

namespace Upd {

class CustomerFinanceHistory : public fw::FormProcedure
{
public:
    CustomerFinanceHistory();

    void PrimeFields() override;
    int TakeAccepted(QWidget *control) override;
    int TakeCompleted() override;

    bool readOnly() const { return readOnly_; }

protected:
    fw::FormDeclaration Declare() override;
    QString WindowTitle() const override;

private:
    bool inserting() const { return Request == fw::InsertRecord; }
    void showTypeFields();
    // Questions and refusals about the invoice, asked before anything is written.
    bool agreedAgainstInvoice();

    dict::FINANCERecord opened_{}; // the payment as the form opened on it
    double agreedExcess_ = 0; // how far beyond what was owed the user agreed to pay
    bool readOnly_ = false;
};

} // namespace Upd
