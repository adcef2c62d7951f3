// Every message table of the program keeps to numbers of its own: two tables sharing a number
// would show one message's text in place of the other's, whichever was installed last.
#include "app/common/booking.h"
#include "app/common/maintenancemessages.h"
#include "app/creditmemos/creditmessages.h"
#include "app/invoices/invoicemessages.h"
#include "app/payments/paymentmessages.h"
#include "app/recurring/recurringmessages.h"
#include "app/reports/documentmessages.h"
#include "app/purchasing/purchasemessages.h"
#include "app/setup/setupmessages.h"
#include "app/vendors/vendormessages.h"
#include "app/shell/commandmessages.h"
#include "app/shell/mainmessages.h"
#include "framework/errorclass.h"
#include "framework/framemessages.h"
#include "framework/messagetable.h"
#include "reports/reportmessages.h"
#include "tagging/tagmessages.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

namespace {

// Keeps the blocks a table installs.
class Recording : public fw::ErrorClass
{
public:
    void AddErrors(fw::ErrorBlock block) override
    {
        blocks.emplace_back(block.begin(), block.end());
        fw::ErrorClass::AddErrors(block);
    }
    std::vector<std::vector<std::uint8_t>> blocks;
};

} // namespace

TEST(MessageNumbers, NoTwoTablesShareANumber)
{
    const std::map<std::string, std::function<void(fw::ErrorClass &)>> tables{
        {"standard", [](fw::ErrorClass &e) { e.AddErrors(fw::defaultErrorBlock()); }},
        {"framework", [](fw::ErrorClass &e) { e.AddErrors(fw::frameworkMessages()); }},
        {"tagging", [](fw::ErrorClass &e) { e.AddErrors(ST::taggingMessages()); }},
        {"reports", rpt::installReportMessages},
        {"main", app::installMainMessages},
        {"command line", app::installCommandMessages},
        {"setup", app::installSetupMessages},
        {"maintenance", app::installMaintenanceMessages},
        {"booking", app::installBookingMessages},
        {"invoices", app::installInvoiceMessages},
        {"payments", app::installPaymentMessages},
        {"documents", app::installDocumentMessages},
        {"credit memos", app::installCreditMemoMessages},
        {"vendors", app::installVendorMessages},
        {"purchasing", app::installPurchaseMessages},
        {"recurring invoices", app::installRecurringMessages},
    };
    std::map<int, std::string> owner;
    for (const auto &[name, install] : tables) {
        Recording errors;
        install(errors);
        ASSERT_FALSE(errors.blocks.empty()) << name;
        for (const auto &block : errors.blocks) {
            for (const fw::MessageDef &def : fw::parseErrorBlock(block)) {
                const auto [at, added] = owner.emplace(def.id, name);
                EXPECT_TRUE(added || at->second == name)
                    << "message " << def.id << " is in both the " << at->second << " and the " << name << " table";
            }
        }
    }
}
