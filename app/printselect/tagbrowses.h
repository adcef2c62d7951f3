// The two browses that choose records for printing by tagging them:
//   Brw::CustomersPrint_Billing_Labels_Inventory_Envelopes  customers in tag table 1 (labels,
//       billing, envelopes, consolidation by customer; GLO:STARTUP tells which)
//   Brw::InvoicesPrintMulitple  invoices in tag table 3, and their customers in table 1
// Both show a tag column first (a click on it reverses the row's tag), have the buttons "&Tag",
// "&Untag", "Tag &All" and "Unta&g All" and the same four in the list's right-click menu.
#pragma once

#include "framework/browseprocedure.h"

#include <vector>

namespace app {

// What the two have in common: the tag buttons and menu, OK and Cancel.
class TagBrowse : public fw::BrowseProcedure
{
public:
    // The buttons both lists have, by number.
    enum Extra { Tag = 1, Untag, TagAll, UntagAll, Ok };
    // A tag list's declaration: its own tabs and queue, with what both lists share (the tag
    // buttons and OK, Cancel, no update buttons, the window's size).
    static fw::BrowseSpec Declared(fw::BrowseSpec spec);

    explicit TagBrowse(const fw::BrowseSpec &spec);
    int TakeCloseEvent() override;

    void tagHighlighted(bool on);
    void tagAllRows(bool on);
    void closeWithOk();

protected:
    void Prepare() override;

    virtual void tagRow(bool on) = 0; // the highlighted row
    virtual void tagEverything() = 0;
    virtual void untagEverything() = 0;
    virtual bool rowTagged() = 0;
    virtual void completed() = 0; // OK: what is printed
    virtual void cancelled() = 0;

private:
    static std::vector<fw::BrowseButton> Buttons();
    void refresh();
    void addMenu();

    bool closedByOk_ = false;
};

} // namespace app

namespace Brw {

class CustomersPrint_Billing_Labels_Inventory_Envelopes : public app::TagBrowse
{
public:
    CustomersPrint_Billing_Labels_Inventory_Envelopes();
    // Titles by GLO:STARTUP.
    static QString titleFor(int startup);
    static const fw::BrowseSpec &Spec();

protected:
    bool Admit() override;
    QString WindowTitle() const override { return titleFor(startup_); }
    void tagRow(bool on) override;
    void tagEverything() override;
    void untagEverything() override;
    bool rowTagged() override;
    void completed() override;
    void cancelled() override;

private:
    int startup_ = 0;
};

class InvoicesPrintMulitple : public app::TagBrowse
{
public:
    InvoicesPrintMulitple();
    static const fw::BrowseSpec &Spec();

protected:
    void tagRow(bool on) override;
    void tagEverything() override;
    void untagEverything() override;
    bool rowTagged() override;
    void completed() override;
    void cancelled() override;
};

} // namespace Brw
