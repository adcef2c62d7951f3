// Brw::Customers: the customer list. Six sort orders on tabs with their locators and layouts,
// the highlighted customer's memo and balance, red lines for customers who owe, and the buttons
// that run Upd::Customer (Change and Delete behind the password gate), open the finance history
// and write an e-mail. Opens only once; the frame hears when it opens and closes.
#pragma once

#include "framework/windowmanager.h"

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QUrl;

namespace fw {
class BrowseClass;
class BrowseList;
}

namespace Brw {

class CustomerList;

class Customers : public fw::WindowManager
{
public:
    struct Widgets {
        QTabBar *tabs;
        QLabel *locatorPrompt;
        QLineEdit *locator;
        fw::BrowseList *list;
        QLabel *memo, *balance;
        QPushButton *insert, *change, *remove, *finance, *email, *help, *close;
    };

    Customers();
    ~Customers() override;

    int Init() override;
    int Kill() override;
    using fw::WindowManager::Run;
    int Run(int number, int request) override;
    int TakeAccepted(QWidget *control) override;

    // Hands a mailto: address to the desktop; replaceable so that tests can see it.
    std::function<bool(const QUrl &)> openUrl;

    const Widgets &widgets() const { return w_; }
    fw::BrowseClass &browse();

private:
    void buildWindow();
    void addOrders();
    void followHighlight();
    void sendEmail();

    Widgets w_{};
    std::unique_ptr<CustomerList> browse_;
    bool filesOpen_ = false;
};

} // namespace Brw
