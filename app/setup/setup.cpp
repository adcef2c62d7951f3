#include "app/setup/setup.h"

#include "app/setup/setupform.h"
#include "app/setup/setupmessages.h"
#include "app/setup/startup.h"
#include "dictionary/fieldaccess.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/errorclass.h"
#include "framework/optionbox.h"
#include "framework/picture.h"
#include "framework/reportslib.h"
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

const dict::FieldDef &setupDef(const char *name)
{
    const dict::FileDef &def = Access::SETUP.Def();
    return def.fields[def.fieldIndex(name)];
}

dict::FieldRef setupField(const char *name) { return {&setupDef(name), &SET}; }

// Rates and percentages keep their decimals whatever the currency: a picture without any (the
// yen's) could not take a rate of 0.08.
std::string withDecimals(std::string_view picture, std::string_view fallback)
{
    const bool hasDecimals = picture.find_first_of(".`") != std::string_view::npos;
    return std::string(hasDecimals ? picture : fallback);
}

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

// The prompt of an entry as the form shows it now (relabelled by tax system), without its colon.
std::string promptOf(QWidget *entry)
{
    for (QLabel *label : entry->window()->findChildren<QLabel *>()) {
        if (label->buddy() == entry) {
            QString text = label->text();
            if (text.endsWith(':'))
                text.chop(1);
            return text.toStdString();
        }
    }
    return {};
}

void notifyFrame()
{
    if (QMdiArea *mdi = fw::WindowManager::mdiArea())
        QCoreApplication::postEvent(mdi->window(),
                                    new fw::ProcedureEvent(fw::ProcedureEvent::Notify, app::SetupSavedNotification));
}

} // namespace

Setup::Setup()
    : chooseLogoFile(chooseWithDialog)
{}

Setup::~Setup() = default;

int Setup::Init()
{
    procedureName = "Upd:Setup";
    GlobalRequest = fw::ChangeRecord; // the one record is always changed, whatever was asked
    WindowManager::Init();
    GlobalRequest = 0;
    GlobalResponse = 0;
    app::installSetupMessages(REPORTS::Errors());
    before_.emplace(app::SettingsGroup::Setup);
    if (Relate::SETUP.Open() != dict::Benign)
        return dict::Notify;
    setupOpen_ = true;
    if (app::ReadSetupRecord() == app::SetupRead::Failed)
        return dict::Notify;
    Primary = &Relate::SETUP;
    CancelAction = 0; // Cancel leaves at once, without asking about changes
    Resizable = false;
    w_ = app::buildSetupForm(CreateWindow("Setup Tallyquill..."));
    bindFields();
    OkControl = w_->ok;
    connectButton(w_->ok);
    connectButton(w_->logoButton);
    AddItem(w_->cancel, fw::RequestCancelled);
    FirstField = w_->lastName;
    return Open();
}

int Setup::Kill()
{
    if (before_ && Response != fw::RequestCompleted)
        before_->restore();
    before_.reset();
    WindowManager::Kill();
    if (setupOpen_)
        Relate::SETUP.Close();
    setupOpen_ = false;
    return dict::Benign;
}

void Setup::bindFields()
{
    const app::SetupWidgets &w = *w_;
    const std::pair<QWidget *, const char *> bound[] = {
        {w.lastName, "LASTNAME"},
        {w.firstName, "FIRSTNAME"},
        {w.company, "COMPANYNAME"},
        {w.address, "ADDRESS"},
        {w.address2, "ADDRESS2"},
        {w.address3, "ADDRESS3"},
        {w.city, "CITY"},
        {w.state, "STATE"},
        {w.zipCode, "ZIPCODE"},
        {w.country, "COUNTRY"},
        {w.phone, "PHONENO"},
        {w.fax, "FAXNO"},
        {w.email, "EMAILADDRESS"},
        {w.currency, "CURRENCYTYPE"},
        {w.dateStandard, "DATENAME"},
        {w.redLineCustomer, "REDLINECUSTOMER"},
        {w.redLineInventory, "REDLINEINVENTORY"},
        {w.redLineInvoice, "REDLINEINVOICE"},
        {w.redLinePurchaseOrder, "REDLINEPURCHASEORDER"},
        {w.taxSystem, "CANADIAN"},
        {w.customerTaxRate, "CUSTOMERTAXRATE"},
        {w.gst, "GST"},
        {w.gstNumber, "GSTNUMBER"},
        {w.taxLabor, "TAXABLE"},
        {w.taxShipping, "TAXSHIPPING"},
        {w.price1, "PRICE1"},
        {w.price2, "PRICE2"},
        {w.price3, "PRICE3"},
        {w.inventoryMarkup, "INVENTORYMARKUP"},
        {w.laborRate, "LABORRATE"},
        {w.autoTaxItem, "AUTOTAXITEM"},
        {w.prohibitSelling, "PROHIBITESELLING"},
        {w.preprinted, "PRINTCHOICE"},
        {w.printPreview, "PRINTPREVIEW"},
        {w.autoPrint, "PRINTINVOICE"},
        {w.pickList, "PICKLIST"},
        {w.printShipping, "PRINTSHIPPING"},
        {w.returnAddress, "REMOVERETURNADDRESS"},
        {w.noteLine, "LABELLINE"},
        {w.logoName, "NETWORKPATH"},
        {w.logoOrientation, "LOGOSIZE"},
        {w.addressLabels, "LABELTYPE"},
        {w.shippingLabels, "LABEL1TYPE"},
        {w.envelopeSize, "ENVELOPESIZE"},
        {w.paperSize, "PAPERSIZE"},
    };
    for (const auto &[control, field] : bound)
        AddField(control, setupField(field));
    limits_ = {
        {w.customerTaxRate, "CUSTOMERTAXRATE", 0.99999},
        {w.gst, "GST", 0.99999},
        {w.inventoryMarkup, "INVENTORYMARKUP", 999.99},
        {w.laborRate, "LABORRATE", 9999999},
    };
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
    const dict::String<10> password = GLO.PASSWORD;
    const dict::BYTE change = GLO.PASSWORDCHANGE;
    const dict::BYTE remove = GLO.PASSWORDDELETE;
    GLO.WINROUTINE = WIN::SetupSettings;
    WIN::ROUTINES();
    GLO.PASSWORD = password;
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
    if (SET.CANADIAN < 1 || SET.CANADIAN > 4)
        return;
    const Labels &labels = byTaxSystem[SET.CANADIAN - 1];
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
        {w.gst, withDecimals(GLO.CURRENCYNAME7.view(), "@n6.5")},
        {w.customerTaxRate, withDecimals(GLO.CURRENCYNAME7.view(), "@n6.5")},
        {w.inventoryMarkup, withDecimals(GLO.CURRENCYNAME6.view(), "@n6.2")},
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
    const Limit *limit = limitOf(control);
    const double before = limit ? valueOf(*limit) : 0;
    const int result = WindowManager::TakeAccepted(control);
    if (result != dict::Benign || !fieldOf(control))
        return result;
    if (limit && !inRange(*limit)) {
        setValue(*limit, before);
        fieldOf(control)->display();
        reportOutOfRange(*limit);
        return dict::Notify;
    }
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
    if (!everyRateInRange())
        return dict::Notify;
    const int result = WindowManager::TakeCompleted();
    if (Response == fw::RequestCompleted) {
        app::LoadSettingsGlobals();
        notifyFrame();
    } else {
        followForm(); // the form may show another station's values now
    }
    return result;
}

// --- rate limits ----------------------------------------------------------------------------

const Setup::Limit *Setup::limitOf(QWidget *control) const
{
    for (const Limit &limit : limits_)
        if (limit.entry == control)
            return &limit;
    return nullptr;
}

double Setup::valueOf(const Limit &limit) { return dict::realOf(setupDef(limit.field), &SET); }

void Setup::setValue(const Limit &limit, double value) { dict::setReal(setupDef(limit.field), &SET, value); }

bool Setup::inRange(const Limit &limit) const
{
    const double value = valueOf(limit);
    return value >= 0 && value <= limit.high;
}

void Setup::reportOutOfRange(const Limit &limit)
{
    QApplication::beep();
    fw::ErrorClass &errors = REPORTS::Errors();
    errors.SetField(promptOf(limit.entry));
    errors.ThrowMessage(app::SetupMsg::RangeError, fw::plainNumber(0) + " and " + fw::plainNumber(limit.high));
    w_->tabs->setCurrentWidget(limit.entry->parentWidget());
    limit.entry->setFocus();
    limit.entry->selectAll();
}

bool Setup::everyRateInRange()
{
    for (const Limit &limit : limits_) {
        if (!inRange(limit)) {
            reportOutOfRange(limit);
            return false;
        }
    }
    return true;
}

} // namespace Upd
