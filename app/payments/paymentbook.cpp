#include "app/payments/paymentbook.h"

#include "app/common/booking.h"
#include "app/common/ledger.h"
#include "app/payments/paymentmessages.h"
#include "dictionary/files.h"
#include "dictionary/lookup.h"
#include "dictionary/money.h"

#include <algorithm>
#include <string>

namespace app::payments {

using dict::KeptBuffers;

namespace {

std::string paymentName(const dict::FINANCERecord &payment)
{
    return payment.INVOICENO != 0 ? "The payment on invoice " + std::to_string(payment.INVOICENO)
                                  : "The payment on account";
}

const std::vector<dict::FileManager *> PaymentFiles{&Access::INVOICE, &Access::FINANCE, &Access::CUSTOMER};

// What the invoice's payments say now: the date of the latest and whether there is any.
struct PaidSoFar {
    dict::LONG lastDate = 0;
    bool any = false;
};

PaidSoFar paidSoFar(dict::LONG invoiceNo)
{
    PaidSoFar paid;
    for (const auto &record : dict::range(FIN.InvoiceNo_Key, invoiceNo)) {
        if (!isPayment(record))
            continue;
        paid.any = true;
        paid.lastDate = std::max<dict::LONG>(paid.lastDate, record.DATE);
    }
    return paid;
}

// The invoice as it is on file into INV; a missing one, another customer's or a quote refuses.
Step readInvoice(dict::LONG invoiceNo, const dict::String<10> &customerNo)
{
    const std::string number = std::to_string(invoiceNo);
    INV.INVOICENO = invoiceNo;
    if (Access::INVOICE.TryFetch(INV.InvoiceNo_Key) != dict::Benign)
        return refuse(PayMsg::NoSuchInvoice, number);
    if (INV.CUSTOMERNO != customerNo)
        return refuse(PayMsg::OtherCustomer, number);
    if (INV.QUOTES != 0)
        return refuse(PayMsg::QuoteTakesNoPayment, number);
    return dict::Benign;
}

// Moves the invoice's amount paid by `paid`, after the FINANCE records are written: amount owed,
// date paid and credit check follow from what is then on file.
Step applyToInvoice(dict::LONG invoiceNo, const dict::String<10> &customerNo, double paid)
{
    if (invoiceNo == 0)
        return dict::Benign;
    if (Step read = readInvoice(invoiceNo, customerNo); !read)
        return read;
    const dict::INVOICERecord invoice = INV;
    const PaidSoFar so = paidSoFar(invoiceNo);
    static_cast<dict::INVOICERecord &>(INV) = invoice;
    INV.AMOUNTPAID = dict::roundCents(INV.AMOUNTPAID + paid);
    INV.AMOUNTOWED = dict::roundCents(INV.TOTALDUE - INV.AMOUNTPAID);
    INV.DATEPAID = so.lastDate;
    INV.CREDITCHECK = so.any ? 1 : 0;
    return Access::INVOICE.TryUpdate();
}

// The body of a save, inside its unit: the payment replaces `stored` (all zero for a new one).
// `position` comes back as where the payment is stored.
Step bookPayment(bool insert, dict::FINANCERecord payment, dict::storage::Position &position, double agreedExcess)
{
    dict::FINANCERecord stored{};
    if (!insert) {
        if (Access::FINANCE.TryReget(position) != dict::Benign)
            return refuse(PayMsg::PaymentGone, "");
        stored = FIN;
        if (!isPayment(stored) || stored.CUSTOMERNO != payment.CUSTOMERNO)
            return refuse(PayMsg::PaymentGone, "");
    }
    payment.AMOUNTDUE = -payment.AMOUNTPAID;
    static_cast<dict::FINANCERecord &>(FIN) = payment;
    if ((insert ? Access::FINANCE.TryInsert() : Access::FINANCE.TryUpdate()) != dict::Benign)
        return dict::Notify;
    position = Access::FINANCE.Position();
    const bool sameInvoice = stored.INVOICENO == payment.INVOICENO;
    if (!sameInvoice) {
        if (Step undone = applyToInvoice(stored.INVOICENO, stored.CUSTOMERNO, -stored.AMOUNTPAID); !undone)
            return undone;
    }
    const double paid = sameInvoice ? payment.AMOUNTPAID - stored.AMOUNTPAID : double(payment.AMOUNTPAID);
    if (Step applied = applyToInvoice(payment.INVOICENO, payment.CUSTOMERNO, paid); !applied)
        return applied;
    if (payment.INVOICENO != 0 && dict::roundCents(-INV.AMOUNTOWED) > dict::roundCents(agreedExcess))
        return refuse(PayMsg::OwedLessNow, "Invoice " + std::to_string(payment.INVOICENO) + " owes less now than when "
                                               "the payment was entered: it was paid at another station meanwhile");
    return moveBalance(payment.CUSTOMERNO, payment.AMOUNTDUE - stored.AMOUNTDUE, true);
}

// The body of a delete, inside its unit. An invoice gone meanwhile has nothing left to reverse.
Step unbookPayment(dict::storage::Position position)
{
    if (Access::FINANCE.TryReget(position) != dict::Benign)
        return refuse(PayMsg::PaymentGone, "");
    const dict::FINANCERecord stored = FIN;
    if (!isPayment(stored))
        return refuse(PayMsg::NotDeletable, "");
    INV.INVOICENO = stored.INVOICENO;
    const bool invoiced = stored.INVOICENO != 0 && Access::INVOICE.TryFetch(INV.InvoiceNo_Key) == dict::Benign;
    if (invoiced && INV.CHECKINVOICE != 0)
        return refuse(PayMsg::NotDeletable, "");
    if (Access::FINANCE.TryReget(position) != dict::Benign || Access::FINANCE.TryDeleteRecord() != dict::Benign)
        return dict::Notify;
    if (invoiced) {
        if (Step undone = applyToInvoice(stored.INVOICENO, stored.CUSTOMERNO, -stored.AMOUNTPAID); !undone)
            return undone;
    }
    return moveBalance(stored.CUSTOMERNO, -stored.AMOUNTDUE, false);
}

double sumOfAmountsDue(const dict::String<10> &customerNo)
{
    double sum = 0;
    for (const auto &record : dict::range(FIN.CustomerNo_Key, customerNo))
        sum += record.AMOUNTDUE;
    return dict::roundCents(sum);
}

} // namespace

bool isPayment(const dict::FINANCERecord &record)
{
    return !isOwnFinanceRecord(record) && record.CREDITMEMONO == 0;
}

int savePayment(bool insert, double agreedExcess)
{
    KeptBuffers kept{&Access::INVOICE, &Access::CUSTOMER};
    const dict::FINANCERecord payment = FIN;
    dict::storage::Position position = Access::FINANCE.Position();
    if (book(PaymentFiles, paymentName(payment), [&] { return bookPayment(insert, payment, position, agreedExcess); })
        != dict::Benign) {
        static_cast<dict::FINANCERecord &>(FIN) = payment;
        return dict::Notify;
    }
    // The buffer and position the caller goes on with are the payment as stored.
    Access::FINANCE.TryReget(position);
    return dict::Benign;
}

int deletePayment()
{
    KeptBuffers kept{&Access::FINANCE, &Access::INVOICE, &Access::CUSTOMER};
    const dict::storage::Position position = Access::FINANCE.Position();
    return book(PaymentFiles, paymentName(FIN), [&] { return unbookPayment(position); });
}

int recomputeBalance(const dict::String<10> &customerNo, double &balance)
{
    KeptBuffers kept{&Access::FINANCE, &Access::CUSTOMER};
    double sum = 0;
    const int booked = book({&Access::FINANCE, &Access::CUSTOMER}, "The balance of customer " + customerNo.str(),
                            [&]() -> Step {
                                sum = sumOfAmountsDue(customerNo);
                                CUS.CUSTOMERNO = customerNo;
                                if (Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key) != dict::Benign)
                                    return dict::Notify;
                                if (CUS.BALANCE == sum)
                                    return dict::Benign;
                                CUS.BALANCE = sum;
                                return Access::CUSTOMER.TryUpdate();
                            });
    if (booked == dict::Benign)
        balance = sum;
    return booked;
}

} // namespace app::payments
