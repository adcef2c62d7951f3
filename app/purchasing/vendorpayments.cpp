#include "app/purchasing/vendorpayments.h"

#include "app/purchasing/purchasemessages.h"
#include "app/purchasing/vendorledger.h"
#include "dictionary/decimal.h"
#include "dictionary/files.h"
#include "dictionary/keptbuffers.h"
#include "dictionary/money.h"
#include "framework/picture.h"

#include <string>

namespace app::purchasing {

namespace {

using dict::KeptBuffers;

const std::vector<dict::FileManager *> PaymentFiles{&Access::VENFIN, &Access::PURORDER, &Access::VENDOR};

std::string paymentName(const dict::VENFINRecord &payment)
{
    return payment.PORDERNO != 0 ? "The payment on purchase order " + std::to_string(payment.PORDERNO)
                                 : "The payment to vendor " + payment.ACCOUNTNO.str();
}

bool isOwn(const dict::VENFINRecord &record, dict::storage::Position position)
{
    const auto own = ownFound(record.PORDERNO);
    return own && own->position == position;
}

// The order's paid and owed follow its VENFIN records as stored now; a missing order, or another
// vendor's, refuses.
Step applyToOrder(dict::LONG orderNo, const dict::String<20> &accountNo, dict::LONG date)
{
    if (orderNo == 0)
        return dict::Benign;
    const std::string number = fw::formatValue(orderNo, "@n06");
    PUR.PORDERNO = orderNo;
    if (Access::PURORDER.TryFetch(PUR.POrderNo_Key) != dict::Benign)
        return refuse(PurMsg::OrderGone, number);
    if (PUR.ACCOUNTNO != accountNo)
        return refuse(PurMsg::OtherVendorsOrder, number);
    const dict::PURORDERRecord order = PUR;
    const double paid = paidOver(orderNo);
    static_cast<dict::PURORDERRecord &>(PUR) = order;
    PUR.AMOUNTPAID = paid;
    PUR.AMOUNTOWED = dict::roundCents(PUR.TOTALDUE - paid);
    if (date != 0)
        PUR.DATEPAID = date;
    PUR.CREDITCHECK = 1;
    return Access::PURORDER.TryUpdate();
}

// The body of a save: the payment replaces what is stored at `position` (nothing for a new one).
Step bookPayment(bool insert, dict::VENFINRecord payment, dict::storage::Position &position, double agreedExcess)
{
    dict::VENFINRecord stored{};
    if (!insert) {
        if (Access::VENFIN.TryReget(position) != dict::Benign || isOwn(VEF, position))
            return refuse(PurMsg::PaymentGone, "");
        stored = VEF;
    }
    payment.AMOUNTTOTAL = 0;
    payment.AMOUNTDUE = -payment.AMOUNTPAID;
    static_cast<dict::VENFINRecord &>(VEF) = payment;
    if ((insert ? Access::VENFIN.TryInsert() : Access::VENFIN.TryUpdate()) != dict::Benign)
        return dict::Notify;
    position = Access::VENFIN.Position();
    if (!insert && stored.PORDERNO != payment.PORDERNO) {
        if (Step undone = applyToOrder(stored.PORDERNO, stored.ACCOUNTNO, 0); !undone)
            return undone;
    }
    if (Step applied = applyToOrder(payment.PORDERNO, payment.ACCOUNTNO, payment.DATE); !applied)
        return applied;
    if (payment.PORDERNO != 0 && dict::roundCents(-PUR.AMOUNTOWED) > dict::roundCents(agreedExcess))
        return refuse(PurMsg::OwedLessNow, fw::formatValue(payment.PORDERNO, "@n06"));
    if (stored.ACCOUNTNO != payment.ACCOUNTNO && !stored.ACCOUNTNO.blank()) {
        if (Step left = moveVendorBalance(stored.ACCOUNTNO, -stored.AMOUNTDUE, false); !left)
            return left;
        return moveVendorBalance(payment.ACCOUNTNO, payment.AMOUNTDUE, true);
    }
    return moveVendorBalance(payment.ACCOUNTNO, payment.AMOUNTDUE - stored.AMOUNTDUE, true);
}

Step unbookPayment(dict::storage::Position position)
{
    if (Access::VENFIN.TryReget(position) != dict::Benign)
        return refuse(PurMsg::PaymentGone, "");
    const dict::VENFINRecord stored = VEF;
    if (isOwn(stored, position))
        return refuse(PurMsg::OwnRecordNotDeletable, fw::formatValue(stored.PORDERNO, "@n06"));
    if (Access::VENFIN.TryReget(position) != dict::Benign || Access::VENFIN.TryDeleteRecord() != dict::Benign)
        return dict::Notify;
    if (stored.PORDERNO != 0 && dict::lookup(PUR.POrderNo_Key, stored.PORDERNO)) {
        if (Step undone = applyToOrder(stored.PORDERNO, stored.ACCOUNTNO, 0); !undone)
            return undone;
    }
    return moveVendorBalance(stored.ACCOUNTNO, -stored.AMOUNTDUE, false);
}

} // namespace

bool isVendorPayment(const dict::VENFINRecord &record)
{
    const auto own = ownFound(record.PORDERNO);
    return !own || own->RECORDNO != record.RECORDNO;
}

int saveVendorPayment(bool insert, double agreedExcess)
{
    KeptBuffers kept{&Access::PURORDER, &Access::VENDOR};
    const dict::VENFINRecord payment = VEF;
    dict::storage::Position position = Access::VENFIN.Position();
    if (book(PaymentFiles, paymentName(payment), [&] { return bookPayment(insert, payment, position, agreedExcess); })
        != dict::Benign) {
        static_cast<dict::VENFINRecord &>(VEF) = payment;
        return dict::Notify;
    }
    Access::VENFIN.TryReget(position); // the payment as stored, current, for the caller
    return dict::Benign;
}

int deleteVendorPayment()
{
    KeptBuffers kept{&Access::VENFIN, &Access::PURORDER, &Access::VENDOR};
    const dict::storage::Position position = Access::VENFIN.Position();
    return book(PaymentFiles, paymentName(VEF), [&] { return unbookPayment(position); });
}

int recomputeVendorBalance(const dict::String<20> &accountNo, double &balance)
{
    KeptBuffers kept{&Access::VENFIN, &Access::VENDOR};
    double sum = 0;
    const int booked = book({&Access::VENFIN, &Access::VENDOR}, "The balance of vendor " + accountNo.str(),
                            [&]() -> Step {
                                dict::Decimal due;
                                for (const auto &record : dict::range(VEF.VendorNo_Key, accountNo))
                                    due += dict::Decimal(record.AMOUNTDUE);
                                sum = due.roundedToCents().toDouble();
                                VEN.ACCOUNTNO = accountNo;
                                if (Access::VENDOR.TryFetch(VEN.VendorNo_Key) != dict::Benign)
                                    return dict::Notify;
                                if (VEN.BALANCE == sum)
                                    return dict::Benign;
                                VEN.BALANCE = sum;
                                return Access::VENDOR.TryUpdate();
                            });
    if (booked == dict::Benign)
        balance = sum;
    return booked;
}

} // namespace app::purchasing
