// The frame's menu bar as a table: each item's place, text (with its accelerator and shortcut),
// status-bar tip, what it does, and whether it starts disabled.
#pragma once

#include <span>
#include <string_view>

namespace app {

enum class MenuAction {
    Start,           // run the procedure
    StartWithMode,   // GLO:STARTUP := argument, then run the procedure
    NewDocument,     // GLO:NEWINVOICE / NEWCREDITMEMO / NEWPURCHASEORDER := 1, then run
    PrintBlank,      // blank-form printing of the report
    PrintCreditMemo, // tag the current credit memo, then run its report
    PrinterSetup,
    Calculator,
    SetPassword,
    ConvertDataFiles,
    Exit,
    HelpContents,
    HelpSearch,
    HelpHowTo,
    WebSite,
};

// Items the frame changes after start-up.
enum class MenuItem {
    None,
    PrintBlankCreditMemo,
    PrintBlankInvoice,
    PrintBlankPurchaseOrder,
    CustomerFinanceStatement, // enabled while Brw:Customers is open
    CreditMemoPrint,          // while Brw:CreditMemos is open
    PurchaseOrderPrint,       // while Brw:PurchaseOrders is open
    InvoiceSingle,            // while Brw:Invoices is open
    StateItem,                // relabelled by tax system: "By State" / "By Province"
    CountryItem,              // "By Country" / "By County"
};

struct MenuEntry {
    const char *path; // submenus, separated by " > "
    const char *text; // "&" marks the accelerator; "\t" separates the shortcut
    const char *tip;
    MenuAction action;
    const char *procedure = nullptr;
    int argument = 0;
    bool off = false;
    MenuItem item = MenuItem::None;
};

std::span<const MenuEntry> frameMenu();
// The left part of the toolbar: text is the button's tip.
std::span<const MenuEntry> frameToolbar();

// The right part: the navigation buttons, left to right, with their tips.
struct NavigationButton {
    int code;
    const char *tip;
};
std::span<const NavigationButton> navigationButtons();

// The procedures whose open windows enable an item, and the notification number they post.
struct BrowseNotification {
    int number;
    MenuItem item;
    const char *procedure;
};
std::span<const BrowseNotification> browseNotifications();

// Which GLO:NEW... flag a NewDocument entry sets: its argument.
enum NewDocumentFlag { NewInvoice = 1, NewCreditMemo = 2, NewPurchaseOrder = 3 };

} // namespace app
