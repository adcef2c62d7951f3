// Hostile typing into every update form: overlong text, bytes that are not UTF-8, control
// characters, right-to-left marks, numbers at and past their pictures' limits, letters in numbers
// and impossible dates, typed or pasted into every bound entry. Cancel must leave every data file
// as it was; OK must store only what reads back as valid, or say why it cannot, and never crash.
#include "app/creditmemos/creditlineform.h"
#include "app/creditmemos/creditmemoform.h"
#include "app/customers/customerform.h"
#include "app/inventory/inventoryform.h"
#include "app/inventory/specialitems.h"
#include "app/invoices/invoiceform.h"
#include "app/invoices/lineform.h"
#include "app/invoices/shipping.h"
#include "app/memos/documentmemos.h"
#include "app/memos/memoform.h"
#include "app/payments/paymentform.h"
#include "app/recurring/billingcyclewindow.h"
#include "app/purchasing/orderlineform.h"
#include "app/purchasing/orderpayment.h"
#include "app/purchasing/purchaseorderform.h"
#include "app/purchasing/receivestock.h"
#include "app/purchasing/vendorpaymentform.h"
#include "app/setup/password.h"
#include "app/setup/passwordhash.h"
#include "app/setup/setup.h"
#include "app/shell/procedures.h"
#include "app/vendors/vendorform.h"
#include "dictionary/storage/sqlite/storedtext.h"
#include "framework/browseprocedure.h"
#include "framework/formprocedure.h"
#include "framework/globalcodes.h"
#include "reports/winroutines.h"
#include "tests/support/purchasefolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <sqlite3.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

using namespace dict;

namespace {

struct Hostile {
    const char *what;
    QString text;
    bool pasted; // pasted text reaches the entry whole; typed text goes key by key
    bool saved = false; // also typed into every entry of a form and saved with Ok
};

const std::vector<Hostile> &hostileInputs()
{
    static const std::vector<Hostile> inputs = {
        {"overlong text", QString(4000, QLatin1Char('W')), true},
        {"overlong two-byte text", QString(600, QChar(0x00E9)), true, true},
        {"not UTF-8", QString::fromUtf8("\xff\xfe\xc3\x28 \xed\xa0\x80 \xf8\x88\x80\x80\x80"), true, true},
        {"Latin-1 bytes", QString::fromLatin1("caf\xe9 \xff\xa0"), false},
        {"control characters", QString::fromUtf8("a\tb\x01\x1b[2J\x7f\r\nc\0d", 16), true, true},
        {"right-to-left marks", QString::fromUtf8("\u202e1234\u200f-\u202c\u061c5"), false, true},
        {"characters outside the first plane", QString::fromUtf8("\U0001F600\U0001F4B0 12"), false},
        {"widest number", QStringLiteral("-999999999999.99"), false},
        {"past every width", QStringLiteral("99999999999999999999999999"), false, true},
        {"exponent", QStringLiteral("1e308"), false},
        {"letters in a number", QStringLiteral("12abc,3.4.5$"), false, true},
        {"open parenthesis", QStringLiteral("(5"), false},
        {"impossible date", QStringLiteral("02/30/2026"), false, true},
        {"date past the calendar", QStringLiteral("12/31/99999"), false},
        {"zero date", QStringLiteral("00/00/0000"), false},
        {"impossible time", QStringLiteral("25:61"), false},
    };
    return inputs;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Every table of the database, row by row, without each row's last column (its row version,
// which a lock or a rewrite of the same values may change).
std::map<std::string, std::string> allTables()
{
    std::vector<std::string> names;
    sqlite3 *db = nullptr;
    sqlite3_open_v2(DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1, &stmt, nullptr);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
        names.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    static const std::regex rowVersion("[^|\n]*\\|\n");
    std::map<std::string, std::string> tables;
    for (const std::string &name : names)
        tables[name] = std::regex_replace(testsupport::tableRows(name.c_str()), rowVersion, "\n");
    return tables;
}

// Values no form may store: text that is not UTF-8 or holds a NUL, numbers that are not finite.
std::vector<std::string> invalidValues()
{
    std::vector<std::string> found;
    sqlite3 *db = nullptr;
    sqlite3_open_v2(DatabasePath, &db, SQLITE_OPEN_READONLY, nullptr);
    for (const auto &[name, rows] : allTables()) {
        sqlite3_stmt *stmt = nullptr;
        const std::string sql = "SELECT * FROM \"" + name + "\"";
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
                const std::string where = name + "." + sqlite3_column_name(stmt, c);
                if (sqlite3_column_type(stmt, c) == SQLITE_FLOAT && !std::isfinite(sqlite3_column_double(stmt, c)))
                    found.push_back(where + " is not a number");
                if (sqlite3_column_type(stmt, c) == SQLITE_TEXT) {
                    const std::string_view text(reinterpret_cast<const char *>(sqlite3_column_text(stmt, c)),
                                                std::size_t(sqlite3_column_bytes(stmt, c)));
                    if (!dict::storage::sqlite::isStoredText(text))
                        found.push_back(where + " holds bytes that are not text");
                }
            }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return found;
}

// Typed: each character as the key that gives it; pasted: the whole text at once.
void enter(QWidget *control, const Hostile &input)
{
    control->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->selectAll();
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        memo->selectAll();
    QTest::keyClick(control, Qt::Key_Delete);
    if (input.pasted) {
        QApplication::clipboard()->setText(input.text);
        QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
    } else {
        for (const QChar c : input.text)
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key(0), QString(c), Qt::NoModifier);
    }
    QTest::keyClick(control, Qt::Key_Tab);
}

// The entries of a form that the user may type into: those bound to fields, and those the form
// reads itself (the password prompt's).
std::vector<QPointer<QWidget>> typedEntries(fw::FormProcedure &form)
{
    std::vector<QPointer<QWidget>> entries;
    for (QWidget *control : form.window()->findChildren<QWidget *>()) {
        auto *edit = qobject_cast<QLineEdit *>(control);
        auto *memo = qobject_cast<QPlainTextEdit *>(control);
        if ((edit && !edit->isReadOnly()) || (memo && !memo->isReadOnly()))
            if (control->isEnabled() && (form.fieldOf(control) || control->isVisibleTo(form.window())))
                entries.emplace_back(control);
    }
    return entries;
}

// The form a procedure opened, once it is open.
fw::FormProcedure *openForm()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        QList<fw::ProcedureWindow *> windows = top->findChildren<fw::ProcedureWindow *>();
        if (auto *w = qobject_cast<fw::ProcedureWindow *>(top))
            windows.push_back(w);
        for (fw::ProcedureWindow *w : windows)
            if (auto *form = dynamic_cast<fw::FormProcedure *>(w->manager());
                form && form->opened() && !form->dead() && form->formMade() && w->isVisible())
                return form;
    }
    return nullptr;
}

int listsClosed = 0;

// A list a field's look-up opened while the form was typed into (a customer number nobody has
// opens the customer list to pick from): closed as the user closes it.
void closeLists()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *w = qobject_cast<fw::ProcedureWindow *>(top); w && w->isVisible())
            if (auto *list = dynamic_cast<fw::BrowseProcedure *>(w->manager()); list && !list->dead()) {
                list->Response = fw::RequestCancelled;
                ++listsClosed;
                if (QPushButton *close = list->widgets().close)
                    close->click();
                else
                    w->close();
            }
}

struct FormCase {
    const char *name;
    // Puts what the form opens on in its buffers (a customer, an invoice), then runs it: called
    // forms return when they close, started ones return at once. (Win:ReOccuringCycle has only
    // options to choose, nothing to type.)
    std::function<void()> run;
    bool writesFiles = true; // false: Ok only puts the values in the document's buffer
    // What the user does besides typing before pressing Ok (a box to check).
    std::function<void(fw::FormProcedure &)> beforeOk = {};
};

class TypedInputTest : public purchasetest::PurchaseFolderTest
{
protected:
    void SetUp() override
    {
        PurchaseFolderTest::SetUp();
        app::setPasswordHashCost(app::HashCost::Minimal); // a password is tried for every input
        addCustomer("C1");
        addStock("A", 10, 12.5);
        invoiceNo = startInvoice("C1");
        addLine("A", 1, 2, 12.5);
        ASSERT_EQ(Access::INVOICE.Insert(), Benign);
        ASSERT_EQ(Access::CREDIT.PrimeRecord(), Benign);
        CRE.CUSTOMERNO = "C1";
        CRE.DATE = fw::today();
        ASSERT_EQ(Access::CREDIT.Insert(), Benign);
        creditMemoNo = CRE.CREDITMEMONO;
        orderNo = bookOrder("V1", 100);
    }
    void TearDown() override
    {
        PurchaseFolderTest::TearDown();
        app::setPasswordHashCost(app::HashCost::Interactive);
    }

    // Runs the form; act is called once, inside its event loop, as soon as it is open. Returns
    // false when the form did not open or did not close again.
    static bool drive(const FormCase &form, const std::function<void(fw::FormProcedure &)> &act)
    {
        bool acted = false, acting = false;
        int ticks = 0;
        QPointer<fw::FormProcedure> driven;
        QTimer poll;
        poll.setInterval(10);
        // A timer does not fire again inside its own handler: lists that act opens need another.
        QTimer lists;
        lists.setInterval(20);
        QObject::connect(&lists, &QTimer::timeout, closeLists);
        lists.start();
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (acting)
                return;
            if (acted) {
                // A question that took another answer leaves the form open: cancel it again.
                if (driven && !driven->dead() && ++ticks % 20 == 0)
                    cancel(*driven);
                return;
            }
            if (fw::FormProcedure *open = openForm()) {
                acted = acting = true;
                driven = open;
                act(*open);
                acting = false;
            }
        });
        poll.start();
        form.run();
        QElapsedTimer clock;
        clock.start();
        while ((!acted || driven) && clock.elapsed() < 10000)
            QTest::qWait(10);
        poll.stop();
        lists.stop();
        settle();
        fw::ThreadContext::mainContext().makeCurrent();
        return acted && !driven;
    }

    // Presses a button of the form as the user does; answers a question about unsaved changes
    // the way that throws them away.
    static void cancel(fw::FormProcedure &form)
    {
        if (form.dead())
            return;
        if (form.CancelAction == 3)
            presenter->answer(ButtonNo);
        else if (form.CancelAction == 2)
            presenter->answer(ButtonYes);
        if (QPushButton *button = form.form().cancel())
            QTest::mouseClick(button, Qt::LeftButton);
        else
            form.window()->close();
    }

    void okStoresValidValuesOrSaysWhy();

    static inline fw::ScriptedPresenter *presenter = nullptr;
    static inline LONG invoiceNo = 0, creditMemoNo = 0, orderNo = 0;

    // Every form, or only the one TQ_TYPED_FORM names (to chase one form's failure).
    static std::vector<FormCase> forms()
    {
        std::vector<FormCase> all = allForms();
        if (const char *only = std::getenv("TQ_TYPED_FORM"))
            std::erase_if(all, [&](const FormCase &f) { return std::string(f.name) != only; });
        return all;
    }

    static std::vector<FormCase> allForms()
    {
        auto called = [](int request, auto make) {
            return [request, make] {
                GlobalRequest = BYTE(request);
                auto form = make();
                form->Run();
            };
        };
        auto onInvoice = [] {
            INV.INVOICENO = invoiceNo;
            Access::INVOICE.TryFetch(INV.InvoiceNo_Key);
        };
        auto onCustomer = [] {
            CUS.CUSTOMERNO = "C1";
            Access::CUSTOMER.TryFetch(CUS.CustomerNo_Key);
        };
        auto onCreditMemo = [=] {
            onCustomer();
            CRE.CREDITMEMONO = creditMemoNo;
            Access::CREDIT.TryFetch(CRE.CreditMemoNo_Key);
        };
        auto onOrder = [] {
            PUR.PORDERNO = orderNo;
            Access::PURORDER.TryFetch(PUR.POrderNo_Key);
            VEN.ACCOUNTNO = PUR.ACCOUNTNO;
            Access::VENDOR.TryFetch(VEN.VendorNo_Key);
        };
        return {
            {"Upd:Customer", called(fw::InsertRecord, [] { return std::make_unique<Upd::Customer>(); })},
            {"Upd:Customer (change)", [=] {
                 onCustomer();
                 called(fw::ChangeRecord, [] { return std::make_unique<Upd::Customer>(); })();
             }},
            {"Upd:Vendor", called(fw::InsertRecord, [] { return std::make_unique<Upd::Vendor>(); })},
            {"Upd:Inventory", called(fw::InsertRecord, [] { return std::make_unique<Upd::Inventory>(); })},
            {"Upd:Memos", called(fw::InsertRecord, [] { return std::make_unique<Upd::Memos>(); })},
            {"Upd:InventorySpecialItem", called(fw::InsertRecord, [] { return std::make_unique<Upd::InventorySpecialItem>(); })},
            {"Upd:CustomerFinanceHistory", [=] {
                 onCustomer();
                 called(fw::InsertRecord, [] { return std::make_unique<Upd::CustomerFinanceHistory>(); })();
             }},
            {"Upd:Setup", called(fw::ChangeRecord, [] { return std::make_unique<Upd::Setup>(); })},
            {"Upd:Invoice", [] {
                 GLO.NEWINVOICE = 1;
                 GLO.CUSTOMERNO = "C1";
                 GLO.PRINTINVOICE = 0;
                 (new Upd::Invoice)->Start();
             }},
            {"Upd:InvoiceDescription", [=] {
                 onInvoice();
                 called(fw::InsertRecord, [] { return std::make_unique<Upd::InvoiceDescription>(true); })();
             }},
            {"Win:ShippingMethod", [=] {
                 onInvoice();
                 called(fw::ChangeRecord, [] { return std::make_unique<Win::ShippingMethod>(); })();
             }, false},
            {"Win:InvoiceMemos", [=] {
                 onInvoice();
                 called(fw::ChangeRecord, [] { return std::make_unique<Win::InvoiceMemos>(false); })();
             }, false},
            {"Upd:CreditMemo", [] {
                 GLO.CUSTOMERNO = "C1";
                 (new Upd::CreditMemo)->Start();
             }},
            {"Upd:PurchaseOrder", [] {
                 GLO.NEWPURCHASEORDER = 1;
                 GLO.PRINTINVOICE = 0;
                 (new Upd::PurchaseOrder)->Start();
             }},
            {"Win:PaymentPurchaseOrder",
             called(fw::ChangeRecord, [] { return std::make_unique<Win::PaymentPurchaseOrder>(); }), false},
            {"Upd:CreditMemoDescription", [=] {
                 onCreditMemo();
                 called(fw::InsertRecord, [] { return std::make_unique<Upd::CreditMemoDescription>(); })();
             }},
            {"Upd:PurchaseOrderDescription", [=] {
                 onOrder();
                 called(fw::InsertRecord, [] { return std::make_unique<Upd::PurchaseOrderDescription>(); })();
             }},
            {"Upd:VendorFinanceHistory", [=] {
                 onOrder();
                 called(fw::InsertRecord, [] { return std::make_unique<Upd::VendorFinanceHistory>(); })();
             }},
            {"Win:UpdateVendorStock", [=] {
                 onOrder();
                 called(fw::ChangeRecord, [] { return std::make_unique<Win::UpdateVendorStock>(); })();
             }, true, [](fw::FormProcedure &form) {
                 if (auto *box = form.window()->findChild<QCheckBox *>(); box && !box->isChecked())
                     QTest::mouseClick(box, Qt::LeftButton);
             }},
            {"Win:Password", called(fw::ChangeRecord, [] { return std::make_unique<Win::Password>(); })},
            {"Win:EnterPassword", [=] {
                 GLO.PASSWORDHASH = app::hashPassword("s3cret");
                 called(fw::NoRequest, [] { return std::make_unique<Win::EnterPassword>(); })();
                 GLO.PASSWORDHASH.clear();
             }, false},
        };
    }
};

} // namespace

TEST_F(TypedInputTest, CancelAfterHostileTypingLeavesEveryFileAsItWas)
{
    presenter = &screen;
    int formsDriven = 0, entriesTyped = 0;
    for (const FormCase &form : forms()) {
        SCOPED_TRACE(form.name);
        const auto before = allTables();
        int typed = 0;
        EXPECT_TRUE(drive(form, [&](fw::FormProcedure &open) {
            for (const QPointer<QWidget> &entry : typedEntries(open)) {
                for (const Hostile &input : hostileInputs())
                    if (entry && !open.dead())
                        enter(entry, input);
                ++typed;
            }
            cancel(open);
        })) << "the form opened and closed again";
        EXPECT_GT(typed, 0) << "entries typed into";
        ++formsDriven;
        entriesTyped += typed;
        const auto after = allTables();
        for (const auto &[table, rows] : before)
            EXPECT_EQ(after.at(table), rows) << table;
    }
    std::printf("typed into %d entries of %d forms\n", entriesTyped, formsDriven);
}

// Each saved input typed into every entry of every form, then Ok: stored only where valid, or said why.
void TypedInputTest::okStoresValidValuesOrSaysWhy()
{
    presenter = &screen;
    for (const FormCase &form : forms()) {
        SCOPED_TRACE(form.name);
        for (const Hostile &input : hostileInputs()) {
            if (!input.saved)
                continue;
            SCOPED_TRACE(input.what);
            const std::size_t shownBefore = screen.shown().size();
            const int listsBefore = listsClosed;
            const auto before = allTables();
            bool keptOpen = false, okOffered = true;
            std::string held; // the entries' text (* when edited) as Ok was pressed
            EXPECT_TRUE(drive(form, [&](fw::FormProcedure &open) {
                for (const QPointer<QWidget> &entry : typedEntries(open))
                    if (entry && !open.dead())
                        enter(entry, input);
                // Tabbing round may have left the focus in an entry whose value is looked up on
                // leaving it (a customer number): leave it first, as the user tabs to Ok.
                QPointer<fw::FormProcedure> alive(&open);
                if (!open.dead())
                    open.form().ok()->setFocus();
                if (form.beforeOk && alive && !alive->dead())
                    form.beforeOk(*alive);
                held.clear();
                for (const QPointer<QWidget> &entry : typedEntries(open))
                    if (auto *edit = qobject_cast<QLineEdit *>(entry.data()))
                        held += "[" + edit->text().left(12).toStdString() + (edit->isModified() ? "*" : "") + "]";
                settle();
                // A form may hold Ok back until it has what it needs (a credit memo its customer).
                okOffered = alive && !alive->dead() && alive->form().ok()->isEnabled();
                if (okOffered)
                    QTest::mouseClick(alive->form().ok(), Qt::LeftButton);
                // Ok may finish in posted events: wait for the form to close, store or speak.
                QElapsedTimer clock;
                clock.start();
                for (int i = 1; clock.elapsed() < 3000; ++i) {
                    settle();
                    if (!alive || alive->dead() || !alive->window()->isVisible() ||
                        screen.shown().size() > shownBefore || listsClosed > listsBefore ||
                        (i % 5 == 0 && allTables() != before))
                        break;
                    QTest::qWait(20);
                }
                // A form that said why stays open; one that stored may stay open for the next insert.
                keptOpen = alive && !alive->dead() && alive->window()->isVisible();
                if (keptOpen)
                    cancel(*alive);
            })) << "the form opened and closed again";
            const bool answered = allTables() != before || screen.shown().size() > shownBefore || listsClosed > listsBefore;
            EXPECT_TRUE(answered || !okOffered || !form.writesFiles)
                << "Ok neither stored nor said why; the form " << (keptOpen ? "stayed open" : "closed")
                << "; the entries held " << held;
            EXPECT_EQ(invalidValues(), std::vector<std::string>{});
        }
    }
}

TEST_F(TypedInputTest, OkAfterHostileTypingStoresValidValuesOrSaysWhy)
{
    okStoresValidValuesOrSaysWhy();
}

// The same in a shop that writes money with a decimal comma and dates day first.
TEST_F(TypedInputTest, OkAfterHostileTypingStoresValidValuesOrSaysWhyWithEuroAndDayFirstDates)
{
    GLO.CANADIAN = TaxRegime::Vat;
    SET.CURRENCYTYPE = 12;
    GLO.WINROUTINE = WIN::MoneyPictures;
    WIN::ROUTINES();
    GLO.DATENAME = "@d6b";
    okStoresValidValuesOrSaysWhy();
}

// The lists' search entries take the same inputs on every tab: whatever is typed there only moves
// the highlight, so nothing stored may change.
TEST_F(TypedInputTest, HostileSearchesInEveryListChangeNothing)
{
    presenter = &screen;
    app::registerProgramProcedures();
    const auto before = allTables();
    int searched = 0;
    for (const char *name : {"Brw:Customers", "Brw:Inventory", "Brw:Invoices", "Brw:GetStandardMemos",
                             "Brw:CreditMemos", "Brw:Vendors", "Brw:PurchaseOrders",
                             "Brw:CustomersPrint_Billing_Labels_Inventory_Envelopes", "Brw:InvoicesPrintMulitple"}) {
        SCOPED_TRACE(name);
        app::runProcedure(name);
        settle();
        fw::BrowseProcedure *list = nullptr;
        for (QWidget *top : QApplication::allWidgets())
            if (auto *w = qobject_cast<fw::ProcedureWindow *>(top); w && w->isVisible())
                if (auto *b = dynamic_cast<fw::BrowseProcedure *>(w->manager()); b && b->spec().name == name)
                    list = b;
        ASSERT_NE(list, nullptr) << "the list opened";
        const fw::BrowseWidgets &w = list->widgets();
        for (int tab = 0; tab < (w.tabs ? w.tabs->count() : 1); ++tab) {
            if (w.tabs)
                w.tabs->setCurrentIndex(tab);
            settle();
            if (!w.locator || !w.locator->isEnabled())
                continue;
            for (const Hostile &input : hostileInputs()) {
                enter(w.locator, input);
                QTest::keyClick(w.locator, Qt::Key_Return);
            }
            ++searched;
        }
        w.close->click();
        settle();
        fw::ThreadContext::mainContext().makeCurrent();
    }
    std::printf("searched on %d list tabs\n", searched);
    EXPECT_GE(searched, 20) << "search entries typed into";
    for (const auto &[table, rows] : allTables()) // a list opened first makes its file, empty
        EXPECT_EQ(rows, before.contains(table) ? before.at(table) : "") << table;
    EXPECT_EQ(invalidValues(), std::vector<std::string>{});
}
