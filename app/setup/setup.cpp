#include "app/setup/setup.h"

#include "app/setup/setupmessages.h"
#include "app/setup/startup.h"
#include "app/common/framenotify.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/errorclass.h"
#include "framework/optionbox.h"
#include "framework/picture.h"
#include "framework/reportslib.h"
#include "framework/singlewindow.h"
#include "reports/winroutines.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <string>

namespace Upd {

namespace {

QString chooseWithDialog(QWidget *parent)
{
    const QString pictures = QDir::current().absoluteFilePath("pictures");
    return QFileDialog::getOpenFileName(parent, "Choose a File", QDir(pictures).exists() ? pictures : QString(),
                                        "BMP, JPG, GIF, PNG (*.bmp *.jpg *.jpeg *.gif *.png)");
}

// The logo's name as it is kept: relative to the working folder when the picture lies inside it,
// so every station sharing the folder finds it.
std::string logoFileName(const QString &chosen)
{
    const QString relative = QDir::current().relativeFilePath(chosen);
    const QString name = relative.startsWith("..") ? QDir::cleanPath(chosen) : relative;
    return name.toUtf8().toStdString();
}

} // namespace

Setup::Setup()
    : fw::FormProcedure({.name = "Upd:Setup", .title = "Setup Tallyquill...", .files = {Relate::SETUP},
                         .messages = {app::installSetupMessages}, .resizable = false})
    , chooseLogoFile(chooseWithDialog)
{}

int Setup::Init()
{
    GlobalRequest = fw::ChangeRecord; // the one record is always changed, whatever was asked
    before_.emplace(app::SettingsGroup::Setup);
    return Procedure::Init();
}

int Setup::Kill()
{
    if (before_ && Response != fw::RequestCompleted)
        before_->restore();
    before_.reset();
    return Procedure::Kill();
}

namespace {

using namespace fw::form;

fw::FormItem companyTab()
{
    const fw::FormItem identity = column({
        field("Last Name:", SET.LASTNAME),
        field("First:", SET.FIRSTNAME).beside(),
        field("Company:", SET.COMPANYNAME).span(3).width(30),
        field("Address 1:", SET.ADDRESS).span(3).width(30),
        field("Address 2:", SET.ADDRESS2).span(3).width(30),
        field("Address 3:", SET.ADDRESS3).span(3).width(30),
        field("City:", SET.CITY).width(15),
        field("ST:", SET.STATE).beside(),
        field("Postal Code:", SET.ZIPCODE),
        field("Country:", SET.COUNTRY).beside().width(10),
        field("Phone #:", SET.PHONENO).width(12),
        field("Fax #:", SET.FAXNO).beside().width(10),
        field("Email:", SET.EMAILADDRESS).span(3).width(30),
    });
    const fw::FormItem choices = column({
        options("Select Currency", SET.CURRENCYTYPE,
                {{" $x,xxx.xx", "1"}, {" £x,xxx.xx", "2"}, {" DMx.xxx,xx", "3"}, {" x.xxx,xxF", "4"},
                 {" FLx,xxx.xx", "5"}, {" RMx,xxx.xx", "6"}, {" Px,xxx.xx", "7"}, {" ¥xxxxxxx", "10"},
                 {" S$x,xxx.xx", "8"}, {" Cx,xxx.xx", "11"}, {"€x.xxx,xx", "12"}, {" None", "9"}},
                2),
        options("Select Date Standard", SET.DATENAME,
                {{" mm/dd/yyyy", "@d2b"}, {" dd/mm/yyyy", "@d6b"}, {" yyyy/mm/dd", "@d10b"}}),
        group("Misc", {check("RedLine Open Customer Accounts", SET.REDLINECUSTOMER),
                       check("RedLine Minimum Inventory OnHand", SET.REDLINEINVENTORY),
                       check("RedLine Overdue Invoices", SET.REDLINEINVOICE),
                       check("RedLine UnPaid Purchase Orders", SET.REDLINEPURCHASEORDER)}),
    });
    return columns({identity, choices});
}

// Rates stay within what their pictures can show.
fw::FormItem inventoryTab()
{
    const std::string rate = fw::ratePicture();
    const fw::FormItem taxes = column({
        options("Select Type of Tax System", SET.CANADIAN,
                {{" Canadian System (GST/PST)", "1"}, {" European System (VAT)", "2"},
                 {" InterNational System (GST)", "4"}, {" United States System (TAX)", "3"}}),
        field("Global Customer Tax Rate:", SET.CUSTOMERTAXRATE, rate)
            .width(8).within(0, 0.99999).hinted(QString::fromStdString(fw::rateHint())).tipped(QString::fromStdString(fw::rateTip())),
        field("GST:", SET.GST, rate)
            .width(8).within(0, 0.99999).hinted(QString::fromStdString(fw::rateHint())).tipped(QString::fromStdString(fw::rateTip())),
        field("GST #:", SET.GSTNUMBER).width(16),
        check("Tax Labor?", SET.TAXABLE),
        check("Tax Shipping Charges?", SET.TAXSHIPPING),
    });
    const fw::FormItem inventory = column({
        group("Enter Headings for Inventory Price Levels",
              {field("Price 1:", SET.PRICE1), field("Price 2:", SET.PRICE2), field("Price 3:", SET.PRICE3)}),
        field("Global Inventory Mark Up:", SET.INVENTORYMARKUP, fw::percentPicture())
            .width(8).within(0, 999.99).then("%"),
        field("Labor Rate (per hour):", SET.LABORRATE, GLO.CURRENCYNAME1.str()).width(12).within(0, 9999999),
        check("Global Tax All Items in Inventory", SET.AUTOTAXITEM),
        check("Prohibit Selling of Items Less than Minimum On Hand?", SET.PROHIBITESELLING),
    });
    return columns({taxes, inventory});
}

fw::FormItem printingTab(std::function<void()> pickLogo)
{
    const fw::FormItem choices = column({
        check("Use PrePrinted Invoices/Credits/POs for Printouts", SET.PRINTCHOICE),
        check("Print Preview all Reports before Printing", SET.PRINTPREVIEW),
        check("AutoPrint Invoices/Credit Memos/POs", SET.PRINTINVOICE),
        check("Print PickList with Invoice", SET.PICKLIST),
        check("Print Shipping Address on Invoices/Credits/POs", SET.PRINTSHIPPING),
        check("Print Return Address on Envelopes", SET.REMOVERETURNADDRESS),
        field("Note Line:", SET.LABELLINE).width(30),
        field("Select Logo for Reports:", SET.NETWORKPATH).width(30).readOnly(),
        button("Select Picture for Invoice/Credit Memo Logos...", "", std::move(pickLogo)).named(Setup::LogoButton),
        options("Select Logo Orientation", SET.LOGOSIZE, {{" Horizontal", "1"}, {" Vertical", "2"}}, 2),
    });
    const fw::FormItem stationery = column({
        options("Select Customer Address Labels", SET.LABELTYPE,
                {{" Avery 4144 - dot-matrix printers, 2.5 inch", "4144"},
                 {" Avery 8160 - laser and ink-jet printers, 2.625 inch", "8160"},
                 {" Avery 8161 - laser and ink-jet printers, 4 inch", "8161"}}),
        options("Select Customer Shipping Labels", SET.LABEL1TYPE,
                {{" Avery 8163 - laser and ink-jet printers, 2 x 4 inch", "8163"},
                 {" Avery 8164 - laser and ink-jet printers, 3 1/3 x 4 inch", "8164"}}),
        options("Select Envelope Size", SET.ENVELOPESIZE,
                {{" Envelope #10 - 4 1/8 x 9.5 inch", "PAPER:ENV_10"},
                 {" Envelope #11 - 4.5 x 10 1/3 inch", "PAPER:ENV_11"},
                 {" Envelope DL - 110 x 220mm", "PAPER:ENV_DL"}}),
        options("Select Printer Paper Size", SET.PAPERSIZE,
                {{" Letter - 8 1/2 x 11 inch", "PAPER:LETTER"}, {" A4 - 210 x 297 mm", "PAPER:A4"},
                 {" A4 Small - 210 x297 mm", "PAPER:A4SMALL"}}),
    });
    return columns({choices, stationery});
}

} // namespace

fw::FormDeclaration Setup::Declare()
{
    return {.primary = &Relate::SETUP,
            .pages = {{"&Company", {companyTab()}, "Enter Company Information..."},
                      {"&Inventory/Taxes", {inventoryTab()}, "Enter Inventory/Tax/Misc Options..."},
                      {"&Printing", {printingTab([this] { pickLogo(); })}, "Enter Printing Options..."}}};
}

int Setup::Built()
{
    if (app::ReadSetupRecord() == app::SetupRead::Failed)
        return dict::Notify;
    CancelAction = 0; // Cancel leaves at once, without asking about changes
    return dict::Benign;
}

void Setup::PrimeFields() { followForm(); }

void Setup::followForm()
{
    if (SET.PRINTPREVIEW == 1) {
        SET.PRINTINVOICE = 1; // a previewed report is printed from the preview
        fieldOf(form().check(SET.PRINTINVOICE))->display();
    }
    form().check(SET.PRINTINVOICE)->setEnabled(SET.PRINTPREVIEW != 1);
    form().options(SET.LOGOSIZE)->setEnabled(!SET.NETWORKPATH.blank());
    followSettings();
    relabel();
    applyPictures();
}

// The settings globals follow the form, all but the password, which the password window owns: a
// password saved there while the form is open stays in force.
void Setup::followSettings()
{
    const dict::String<128> password = GLO.PASSWORDHASH;
    const dict::BYTE change = GLO.PASSWORDCHANGE;
    const dict::BYTE remove = GLO.PASSWORDDELETE;
    GLO.WINROUTINE = WIN::SetupSettings;
    WIN::ROUTINES();
    GLO.PASSWORDHASH = password;
    GLO.PASSWORDCHANGE = change;
    GLO.PASSWORDDELETE = remove;
}

void Setup::relabel()
{
    // The shop's own number is the GST's beside a provincial tax, else its one tax's.
    const bool provincial = SET.CANADIAN == dict::TaxRegime::ProvincialAndGst;
    const QString tax = dict::taxName(SET.CANADIAN);
    form().prompt(SET.CUSTOMERTAXRATE)->setText("Global Customer " + tax + " Rate:");
    form().prompt(SET.GSTNUMBER)->setText(provincial ? "GST #:" : tax + " #:");
    form().prompt(SET.STATE)->setText(dict::stateCaption(SET.CANADIAN));
    form().prompt(SET.COUNTRY)->setText(dict::countryCaption(SET.CANADIAN));
    form().show(SET.GST, provincial);
}

void Setup::applyPictures()
{
    GLO.WINROUTINE = WIN::MoneyPictures;
    WIN::ROUTINES();
    const std::pair<QLineEdit *, std::string> pictures[] = {
        {form().entry(SET.LABORRATE), GLO.CURRENCYNAME1.str()},
        {form().entry(SET.GST), fw::ratePicture()},
        {form().entry(SET.CUSTOMERTAXRATE), fw::ratePicture()},
        {form().entry(SET.INVENTORYMARKUP), fw::percentPicture()},
    };
    for (const auto &[entry, picture] : pictures) {
        fw::FormField *field = fieldOf(entry);
        field->setPicture(picture);
        field->display();
    }
}

// --- accepted controls --------------------------------------------------------------------

int Setup::TakeAccepted(QWidget *control)
{
    const int result = FormProcedure::TakeAccepted(control);
    if (result != dict::Benign || !fieldOf(control))
        return result;
    followForm();
    return result;
}

void Setup::pickLogo()
{
    const QString chosen = chooseLogoFile(window());
    if (chosen.isEmpty())
        return;
    const std::string name = logoFileName(chosen);
    if (name.size() > SET.NETWORKPATH.size()) {
        REPORTS::Errors().ThrowMessage(app::SetupMsg::LogoNameTooLong, name);
        return;
    }
    SET.NETWORKPATH = name;
    fieldOf(form().entry(SET.NETWORKPATH))->display();
    followForm();
    fw::OptionBox *orientations = form().options(SET.LOGOSIZE);
    QWidget *orientation = orientations->option(QString::number(SET.LOGOSIZE));
    (orientation ? orientation : orientations)->setFocus();
}

int Setup::TakeCompleted()
{
    Update();
    const int result = Procedure::TakeCompleted();
    if (Response == fw::RequestCompleted) {
        app::LoadSettingsGlobals();
        fw::notifyFrame(app::SetupSavedNotification);
    } else {
        followForm(); // the form may show another station's values now
    }
    return result;
}

} // namespace Upd
