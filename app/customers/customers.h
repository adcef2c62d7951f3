// Brw::Customers: the customer list. Six sort orders on tabs with their locators and layouts,
// the highlighted customer's memo and balance, red lines for customers who owe, and the buttons
// that run Upd::Customer (Change and Delete behind the password gate), open the finance history
// and write an e-mail. Opens only once; the frame hears when it opens and closes.
#pragma once

#include "app/common/mail.h"
#include "framework/browseprocedure.h"

namespace Brw {

class Customers : public fw::BrowseProcedure
{
public:
    // The list's own buttons and values, by number.
    enum Extra { Finance = 1, Email, Memo, Balance };
    static const fw::BrowseSpec &Spec();

    Customers();

    // Hands a mailto: address to the desktop; replaceable so that tests can see it.
    app::UrlOpener openUrl;

    void openFinance();
    void sendEmail();

protected:
    void Prepare() override;
    void Highlighted(bool any) override;
    int Kill() override;
};

} // namespace Brw
