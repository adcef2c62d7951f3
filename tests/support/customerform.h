// A small customer form for window tests: number, last name and balance, OK, Cancel and Help, on
// the framework's update-form protocol over CUSTOMER.
#pragma once

#include "dictionary/files.h"
#include "framework/windowmanager.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

namespace testsupport {

class CustomerForm : public fw::WindowManager
{
public:
    QLineEdit *number = nullptr;
    QLineEdit *name = nullptr;
    QLineEdit *balance = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
    QPushButton *help = nullptr;
    std::string openedOn; // the customer number in the buffer when the form opened

    int Init() override
    {
        procedureName = "Upd:TestCustomer";
        WindowManager::Init();
        GlobalRequest = 0;
        GlobalResponse = 0;
        Relate::CUSTOMER.Open();
        Primary = &Relate::CUSTOMER;
        openedOn = std::string(CUS.CUSTOMERNO.view());
        auto *w = CreateWindow(QStringLiteral("Customer"));
        auto *layout = new QVBoxLayout(w);
        layout->addWidget(number = new QLineEdit(w));
        layout->addWidget(name = new QLineEdit(w));
        layout->addWidget(balance = new QLineEdit(w));
        layout->addWidget(ok = new QPushButton(QStringLiteral("OK"), w));
        layout->addWidget(cancel = new QPushButton(QStringLiteral("Cancel"), w));
        layout->addWidget(help = new QPushButton(QStringLiteral("&Help"), w));
        AddField(number, dict::field(CUS.CUSTOMERNO), "@s10");
        AddField(name, dict::field(CUS.LNAME), "@s15");
        AddField(balance, dict::field(CUS.BALANCE), "@n-12.2");
        OkControl = ok;
        connectButton(ok);
        AddItem(cancel, fw::RequestCancelled);
        HelpControl = help;
        FirstField = number;
        return Open();
    }
    int Kill() override
    {
        WindowManager::Kill();
        Relate::CUSTOMER.Close();
        return dict::Benign;
    }
};

} // namespace testsupport
