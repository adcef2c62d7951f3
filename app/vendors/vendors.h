// Brw::Vendors: the vendor list. Six sort orders on tabs with their locators and layouts, the
// highlighted vendor's memo and balance, and the buttons that run Upd::Vendor (Change and Delete
// behind the password gate), show the vendor's stock items and write an e-mail. Opens only once;
// the highlighted vendor's account number is what other procedures read.
#pragma once

#include "app/common/mail.h"
#include "framework/browseprocedure.h"

namespace Brw {

class Vendors : public fw::BrowseProcedure
{
public:
    // The list's own buttons and values, by number.
    enum Extra { Finance = 1, Inventory, Email, Memo, Balance };
    static const fw::BrowseSpec &Spec();

    Vendors();

    app::UrlOpener openUrl;

    void openFinance();
    void showInventory();
    void sendEmail();

protected:
    void Prepare() override;
    void Highlighted(bool any) override;
    int Kill() override;
};

} // namespace Brw
