// The two browses that choose records for printing by tagging them:
//   Brw::CustomersPrint_Billing_Labels_Inventory_Envelopes  customers in tag table 1 (labels,
//       billing, envelopes, consolidation by customer; GLO:STARTUP tells which)
//   Brw::InvoicesPrintMulitple  invoices in tag table 3, and their customers in table 1
// Both show a tag column first (a click on it reverses the row's tag), have the buttons "&Tag",
// "&Untag", "Tag &All" and "Unta&g All" and the same four in the list's right-click menu.
#pragma once

#include "framework/browseclass.h"
#include "framework/windowmanager.h"

class QPushButton;
class QTabBar;

namespace app {

// What the two have in common: the window, the tag buttons and menu, OK and Cancel.
class TagBrowse : public fw::WindowManager
{
public:
    fw::BrowseClass browse;
    fw::BrowseList *list = nullptr;
    QTabBar *tabs = nullptr;
    QPushButton *tag = nullptr, *untag = nullptr, *tagAll = nullptr, *untagAll = nullptr;
    QPushButton *ok = nullptr, *cancel = nullptr;

    int TakeAccepted(QWidget *control) override;
    int TakeCloseEvent() override;

protected:
    // Builds the window with the tabs given; the procedure adds its orders and fields after.
    void buildWindow(const QString &title, const QStringList &tabTexts, dict::RelationManager *primary);
    void finishSetUp(const char *section, const char *tabKey);
    virtual void tagRow(bool on) = 0; // the highlighted row
    virtual void tagEverything() = 0;
    virtual void untagEverything() = 0;
    virtual bool rowTagged() = 0;
    virtual void completed() = 0; // OK: what is printed
    virtual void cancelled() = 0;
    // The icon queue field: 1 tagged, 0 not.
    fw::StepValue tagIcon() { return rowTagged() ? 1 : 0; }

private:
    void refresh();
    void updateButtons();
    bool closedByOk_ = false;
};

} // namespace app

namespace Brw {

class CustomersPrint_Billing_Labels_Inventory_Envelopes : public app::TagBrowse
{
public:
    int Init() override;
    int Kill() override;

    // Titles by GLO:STARTUP.
    static QString titleFor(int startup);

protected:
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
    int Init() override;
    int Kill() override;

protected:
    void tagRow(bool on) override;
    void tagEverything() override;
    void untagEverything() override;
    bool rowTagged() override;
    void completed() override;
    void cancelled() override;
};

} // namespace Brw
