#include "app/setup/setup.h"

#include "app/common/formlayout.h"

#include "app/setup/setupform.h"
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
    : fw::Procedure({.name = "Upd:Setup", .title = "Setup Tallyquill...", .files = {Relate::SETUP},
                     .messages = {app::installSetupMessages}, .resizable = false})
    , chooseLogoFile(chooseWithDialog)
{}

Setup::~Setup() = default;

int Setup::Init()
{
    GlobalRequest = fw::ChangeRecord; // the one record is always changed, whatever was asked
    before_.emplace(app::SettingsGroup::Setup);
    return Procedure::Init();
}

int Setup::Build()
{
    if (app::ReadSetupRecord() == app::SetupRead::Failed)
        return dict::Notify;
    Primary = &Relate::SETUP;
    CancelAction = 0; // Cancel leaves at once, without asking about changes
    w_ = app::buildSetupForm(window());
    bindFields();
    UseFormButtons(w_->ok, w_->cancel, w_->help);
    connectButton(w_->logoButton);
    FirstField = w_->lastName;
    return dict::Benign;
}

int Setup::Kill()
{
    if (before_ && Response != fw::RequestCompleted)
        before_->restore();
    before_.reset();
    return Procedure::Kill();
}

// Rates stay within what their pictures can show.
void Setup::bindFields()
{
    const app::SetupWidgets &w = *w_;
    bind(w.lastName, SET.LASTNAME);
    bind(w.firstName, SET.FIRSTNAME);
    bind(w.company, SET.COMPANYNAME);
    bind(w.address, SET.ADDRESS);
    bind(w.address2, SET.ADDRESS2);
    bind(w.address3, SET.ADDRESS3);
    bind(w.city, SET.CITY);
    bind(w.state, SET.STATE);
    bind(w.zipCode, SET.ZIPCODE);
    bind(w.country, SET.COUNTRY);
    bind(w.phone, SET.PHONENO);
    bind(w.fax, SET.FAXNO);
    bind(w.email, SET.EMAILADDRESS);
    bind(w.currency, SET.CURRENCYTYPE);
    bind(w.dateStandard, SET.DATENAME);
    bind(w.redLineCustomer, SET.REDLINECUSTOMER);
    bind(w.redLineInventory, SET.REDLINEINVENTORY);
    bind(w.redLineInvoice, SET.REDLINEINVOICE);
    bind(w.redLinePurchaseOrder, SET.REDLINEPURCHASEORDER);
    bind(w.taxSystem, SET.CANADIAN);
    bind(w.customerTaxRate, SET.CUSTOMERTAXRATE).range(0, 0.99999);
    bind(w.gst, SET.GST).range(0, 0.99999);
    bind(w.gstNumber, SET.GSTNUMBER);
    bind(w.taxLabor, SET.TAXABLE);
    bind(w.taxShipping, SET.TAXSHIPPING);
    bind(w.price1, SET.PRICE1);
    bind(w.price2, SET.PRICE2);
    bind(w.price3, SET.PRICE3);
    bind(w.inventoryMarkup, SET.INVENTORYMARKUP).range(0, 999.99);
    bind(w.laborRate, SET.LABORRATE).range(0, 9999999);
    bind(w.autoTaxItem, SET.AUTOTAXITEM);
    bind(w.prohibitSelling, SET.PROHIBITESELLING);
    bind(w.preprinted, SET.PRINTCHOICE);
    bind(w.printPreview, SET.PRINTPREVIEW);
    bind(w.autoPrint, SET.PRINTINVOICE);
    bind(w.pickList, SET.PICKLIST);
    bind(w.printShipping, SET.PRINTSHIPPING);
    bind(w.returnAddress, SET.REMOVERETURNADDRESS);
    bind(w.noteLine, SET.LABELLINE);
    bind(w.logoName, SET.NETWORKPATH);
    bind(w.logoOrientation, SET.LOGOSIZE);
    bind(w.addressLabels, SET.LABELTYPE);
    bind(w.shippingLabels, SET.LABEL1TYPE);
    bind(w.envelopeSize, SET.ENVELOPESIZE);
    bind(w.paperSize, SET.PAPERSIZE);
}

void Setup::PrimeFields() { followForm(); }

void Setup::followForm()
{
    const app::SetupWidgets &w = *w_;
    if (SET.PRINTPREVIEW == 1) {
        SET.PRINTINVOICE = 1; // a previewed report is printed from the preview
        fieldOf(w.autoPrint)->display();
    }
    w.autoPrint->setEnabled(SET.PRINTPREVIEW != 1);
    w.logoOrientation->setEnabled(!SET.NETWORKPATH.blank());
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
    struct Labels {
        const char *customerTax, *taxNumber, *state, *country;
        bool gst;
    };
    static const Labels byTaxSystem[] = {
        {"Global Customer PST Rate:", "GST #:", "PROV:", "Country:", true}, // 1 Canadian
        {"Global Customer VAT Rate:", "VAT #:", "ST:", "Country:", false},  // 2 European
        {"Global Customer Tax Rate:", "Tax #:", "ST:", "County:", false},   // 3 United States
        {"Global Customer GST Rate:", "GST #:", "ST:", "Country:", false},  // 4 International
    };
    const Labels &labels = dict::byTaxRegime(byTaxSystem, SET.CANADIAN);
    const app::SetupWidgets &w = *w_;
    w.customerTaxLabel->setText(labels.customerTax);
    w.gstNumberLabel->setText(labels.taxNumber);
    w.stateLabel->setText(labels.state);
    w.countryLabel->setText(labels.country);
    w.gstLabel->setVisible(labels.gst);
    w.gst->setVisible(labels.gst);
}

void Setup::applyPictures()
{
    GLO.WINROUTINE = WIN::MoneyPictures;
    WIN::ROUTINES();
    const app::SetupWidgets &w = *w_;
    const std::pair<QLineEdit *, std::string> pictures[] = {
        {w.laborRate, GLO.CURRENCYNAME1.str()},
        {w.gst, app::withDecimals(GLO.CURRENCYNAME7.view(), "@n6.5")},
        {w.customerTaxRate, app::withDecimals(GLO.CURRENCYNAME7.view(), "@n6.5")},
        {w.inventoryMarkup, app::withDecimals(GLO.CURRENCYNAME6.view(), "@n6.2")},
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
    if (control == w_->logoButton) {
        pickLogo();
        return dict::Benign;
    }
    const int result = Procedure::TakeAccepted(control);
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
    fieldOf(w_->logoName)->display();
    followForm();
    QWidget *orientation = w_->logoOrientation->option(QString::number(SET.LOGOSIZE));
    (orientation ? orientation : w_->logoOrientation)->setFocus();
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
