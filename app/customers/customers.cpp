#include "app/customers/customers.h"

#include "app/customers/customerform.h"
#include "app/common/formlayout.h"
#include "app/shell/framenotify.h"
#include "app/common/gatedlist.h"
#include "app/common/maintenancemessages.h"
#include "app/common/redline.h"
#include "app/common/singleinstance.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/browseclass.h"
#include "framework/browselist.h"
#include "framework/errorclass.h"
#include "framework/picture.h"
#include "framework/reportslib.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

namespace Brw {

namespace {

struct Order {
    const char *tab, *tip;
    dict::KeyRef key;
    const char *locatorPrompt; // nullptr: no locator entry
    const char *locatorField;
    const char *format;
};

const Order Orders[] = {
    {"&Customer #", "Sort Customers by Customer #...", CUS.CustomerNo_Key, "Search Customer #:", "CUSTOMERNO",
     "36L(1)|*~Cust #~C(0)@s10@#1#40L(1)|*~Last Name~C(0)@s15@#6#40L(1)|*~First Name~C(0)@s10@#11#50L(1)|*~Phone "
     "#~C(0)@s15@#16#110L(1)|*~Company~C(0)@s35@#21#95L(1)*~Email~C(0)@s35@#26#"},
    {"Customer &Names", "Sort Customers by Name...", CUS.CustomerName_Key, "Search Last Name:", "LNAME",
     "40L(1)|*~Last Name~C(0)@s15@#6#40L(1)|*~First Name~C(0)@s10@#11#36L(1)|*~Cust #~C(0)@s10@#1#50L(1)|*~Phone "
     "#~C(0)@s15@#16#110L(1)|*~Company~C(0)@s35@#21#95L(1)*~Email~C(0)@s35@#26#"},
    {"&Phone #", "Sort Customers by Phone #...", CUS.Phone_Key, "Search Phone #:", "PHONENO",
     "50L(1)|*~Phone #~C(0)@s15@#16#36L(1)|*~Cust #~C(0)@s10@#1#40L(1)|*~Last Name~C(0)@s15@#6#40L(1)|*~First "
     "Name~C(0)@s10@#11#110L(1)|*~Company~C(0)@s35@#21#95L(1)*~Email~C(0)@s35@#26#"},
    {"City and &State", "Sort Customers by City and State...", CUS.CityState_Key, nullptr, nullptr,
     "91L(1)|*~City~C(0)@s25@#31#20C|*~ST~C(0)@s3@#36#40L(1)|*~Last Name~C(0)@s25@#6#40L(1)|*~First "
     "Name~C(0)@s20@#11#40L(1)|*~Cust #~C(0)@s10@#1#55L(1)|*~Phone #~C(0)@s15@#16#95L(1)*~Email~C(0)@s35@#26#"},
    {"C&ompany", "Sort Customers by Company...", CUS.Company_Key, "Search Company:", "COMPANY",
     "110L(1)|*~Company~C(0)@s35@#21#40L(1)|*~Last Name~C(0)@s15@#6#40L(1)|*~First Name~C(0)@s10@#11#36L(1)|*~Cust "
     "#~C(0)@s10@#1#50L(1)|*~Phone #~C(0)@s15@#16#95L(1)*~Email~C(0)@s35@#26#"},
    {"&Email", "Sort Customers by Email...", CUS.EmailAddress_Key, "Search Email Address:", "EMAILADDRESS",
     "95L(1)|*~Email~C(0)@s35@#26#50L(1)|*~Phone #~C(0)@s15@#16#36L(1)|*~Cust #~C(0)@s10@#1#40L(1)|*~Last "
     "Name~C(0)@s15@#6#40L(1)|*~First Name~C(0)@s10@#11#110L(1)*~Company~C(0)@s35@#21#"},
};

dict::FieldRef cus(const char *name) { return dict::fieldRef(CUS, name); }

} // namespace

// The customer browse's list: red while the customer owes money.
class CustomerList : public app::GatedList
{
public:
    CustomerList()
    {
        redWhen = [] { return GLO.REDLINECUSTOMER == 1 && dict::roundCents(CUS.BALANCE) > 0; };
    }
};

Customers::Customers()
    : openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
    , browse_(std::make_unique<CustomerList>())
{}

Customers::~Customers() = default;

fw::BrowseClass &Customers::browse() { return *browse_; }

int Customers::Init()
{
    procedureName = "Brw:Customers";
    WindowManager::Init();
    const bool selecting = Request == fw::SelectRecord;
    GlobalRequest = 0;
    GlobalResponse = 0;
    app::installMaintenanceMessages(REPORTS::Errors());
    if (!selecting && app::bringOpenCopyForward(procedureName))
        return dict::Notify;
    if (Relate::CUSTOMER.Open() != dict::Benign)
        return dict::Notify;
    Access::FINANCE.Open();
    filesOpen_ = true;
    buildWindow();
    browse_->Init(w_.list, &Relate::CUSTOMER, this);
    addOrders();
    browse_->AddSheet(w_.tabs);
    browse_->SetUpdateButtons(w_.insert, w_.change, w_.remove);
    browse_->SetSettings(procedureName);
    browse_->onHighlight = [this] { followHighlight(); };
    connectButton(w_.finance);
    connectButton(w_.email);
    AddItem(w_.close, fw::RequestCancelled);
    FirstField = w_.list;
    app::notifyFrame(app::CustomerBrowseNotification);
    return Open();
}

void Customers::buildWindow()
{
    QWidget *window = CreateWindow("Customer Records...");
    auto *layout = new QVBoxLayout(window);
    auto *listBox = new QGroupBox("Browsing Customer Records", window);
    auto *listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(w_.tabs = new QTabBar(listBox));
    for (const Order &order : Orders) {
        const bool provinces = GLO.CANADIAN == 1 && order.key.index == CUS.CityState_Key.index;
        const int tab = w_.tabs->addTab(provinces ? "&City and Prov" : order.tab);
        w_.tabs->setTabToolTip(tab, order.tip);
    }
    auto *locatorRow = new QHBoxLayout;
    locatorRow->addWidget(w_.locatorPrompt = new QLabel(listBox));
    locatorRow->addWidget(w_.locator = new QLineEdit(listBox), 1);
    w_.locatorPrompt->setBuddy(w_.locator);
    listLayout->addLayout(locatorRow);
    listLayout->addWidget(w_.list = new fw::BrowseList(listBox), 1);
    layout->addWidget(listBox, 1);

    auto *misc = new QGroupBox("Miscellaneous Customer Information", window);
    auto *miscLayout = new QHBoxLayout(misc);
    miscLayout->addWidget(new QLabel("Memo:", misc));
    miscLayout->addWidget(w_.memo = new QLabel(misc), 1);
    miscLayout->addWidget(new QLabel("Total Customer Balance:", misc));
    miscLayout->addWidget(w_.balance = new QLabel(misc));
    w_.balance->setMinimumWidth(90);
    w_.balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(misc);

    auto *buttons = new QHBoxLayout;
    w_.insert = app::button(buttons, "&Add", "Add New Records...");
    w_.change = app::button(buttons, "&Change", "Change Highlighted Record...");
    w_.remove = app::button(buttons, "&Delete", "Delete Highlighted Record...");
    w_.finance = app::button(buttons, "&Finance", "Open Highlighted Customer Finance History...");
    w_.email = app::button(buttons, "E&mail", "Send Email to Highlighted Customer...");
    buttons->addStretch();
    w_.help = app::button(buttons, "&Help", "Help...");
    w_.help->setEnabled(false); // no help pages yet
    w_.close = app::button(buttons, "Close", "Close Customer Records...");
    layout->addLayout(buttons);
    window->resize(760, 460);
}

void Customers::addOrders()
{
    for (const Order &order : Orders) {
        browse_->AddSortOrder(order.key, fw::makeStepFor(dict::FieldType::String, false), order.format);
        if (order.locatorField)
            browse_->AddLocator(std::make_unique<fw::EntryLocatorClass>(cus(order.locatorField), w_.locator));
    }
    // Queue: the eight list fields, each with its colours, then the memo, balance and finance flag.
    for (const char *name : {"CUSTOMERNO", "LNAME", "FNAME", "PHONENO", "COMPANY", "EMAILADDRESS", "CITY", "STATE"})
        app::addRedLineField(*browse_, cus(name), browse_->red());
    for (const char *name : {"COMMENTS", "BALANCE", "FINANCEPRESENT"})
        browse_->AddField(cus(name));
}

int Customers::Kill()
{
    WindowManager::Kill();
    if (filesOpen_) {
        GLO.CUSTOMERNO.clear();
        Access::FINANCE.Close();
        Relate::CUSTOMER.Close();
        filesOpen_ = false;
        app::notifyFrame(app::CustomerBrowseNotification);
    }
    return dict::Benign;
}

// The highlighted customer's number for other procedures, its memo and balance, and the buttons
// that depend on it.
void Customers::followHighlight()
{
    const Order &order = Orders[browse_->Order() - 1];
    w_.locatorPrompt->setText(order.locatorPrompt ? order.locatorPrompt : "");
    w_.locatorPrompt->setVisible(order.locatorPrompt != nullptr);
    w_.locator->setVisible(order.locatorPrompt != nullptr);

    const bool any = browse_->page().current() != nullptr;
    GLO.CUSTOMERNO = any ? CUS.CUSTOMERNO.view() : "";
    w_.email->setEnabled(any && !CUS.EMAILADDRESS.blank());
    w_.finance->setEnabled(any && CUS.FINANCEPRESENT != 0);
    w_.memo->setText(any ? QString::fromUtf8(CUS.COMMENTS.str()) : QString());
    const std::string picture = GLO.CURRENCYNAME.blank() ? "@n-12.2" : GLO.CURRENCYNAME.str();
    w_.balance->setText(any ? QString::fromUtf8(fw::formatValue(CUS.BALANCE, picture)).trimmed() : QString());
}

int Customers::TakeAccepted(QWidget *control)
{
    if (control == w_.finance) {
        browse_->UpdateViewRecord();
        REPORTS::Errors().ThrowMessage(app::MaintMsg::ProcedureNotDefined, "Brw:CustomersFinanceHistory");
        browse_->ResetFromFile(true);
        w_.list->view()->setFocus();
        return dict::Benign;
    }
    if (control == w_.email) {
        sendEmail();
        return dict::Benign;
    }
    return WindowManager::TakeAccepted(control);
}

void Customers::sendEmail()
{
    browse_->UpdateBuffer();
    const QString address = QString::fromUtf8(CUS.EMAILADDRESS.str());
    if (address.isEmpty())
        return;
    QUrl url;
    url.setScheme("mailto");
    url.setPath(address); // QUrl encodes what an address may not hold as it stands
    if (!openUrl(url))
        REPORTS::Errors().ThrowMessage(app::MaintMsg::NoMailProgram, address.toStdString());
}

int Customers::Run(int, int)
{
    Upd::Customer form;
    form.Run();
    return GlobalResponse;
}

} // namespace Brw
