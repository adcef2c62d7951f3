// Brw::Customers: the customer list. Six sort orders on tabs with their locators and layouts,
// the highlighted customer's memo and balance, red lines for customers who owe, and the buttons
// that run Upd::Customer (Change and Delete behind the password gate), open the finance history
// and write an e-mail. Opens only once; the frame hears when it opens and closes.
#pragma once

#include "framework/browseprocedure.h"

#include <functional>

class QLabel;
class QUrl;

namespace Brw {

class Customers : public fw::BrowseProcedure
{
public:
    struct Widgets : fw::BrowseWidgets {
        QLabel *memo, *balance;
        QPushButton *finance, *email;
    };
    static const fw::BrowseSpec &Spec();

    Customers();
    int TakeAccepted(QWidget *control) override;

    // Hands a mailto: address to the desktop; replaceable so that tests can see it.
    std::function<bool(const QUrl &)> openUrl;
    const Widgets &widgets() const { return w_; }

protected:
    QWidget *InfoPanel(QWidget *parent) override;
    void AddButtons(QHBoxLayout *row) override;
    void Prepare() override;
    void Highlighted(bool any) override;
    int Kill() override;

private:
    void sendEmail();

    Widgets w_{};
};

} // namespace Brw
