// A data folder with a settings file and the customer file open, for browse tests: customers
// C001..Cn named after a list of ten names in turn, and closing a started window until it is gone.
#pragma once

#include "dictionary/files.h"
#include "framework/iniclass.h"
#include "framework/reportslib.h"
#include "framework/threadcontext.h"
#include "tests/support/datafolder.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

#include <cstdio>
#include <string>

namespace testsupport {

inline const char *const CustomerNames[] = {"Adams", "Baker", "Clark", "Evans", "Moore",
                                            "Parker", "Scott", "Smith", "Turner", "Young"};

inline std::string customerNumber(int i)
{
    char text[16];
    std::snprintf(text, sizeof text, "C%03d", i);
    return text;
}

class CustomerFolderTest : public DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        settings().Init("Invoice.ini");
        REPORTS::INIT(nullptr, &settings());
        ASSERT_EQ(Relate::CUSTOMER.Open(), dict::Benign);
    }
    void TearDown() override
    {
        fw::ThreadContext::mainContext().makeCurrent();
        Relate::CUSTOMER.Close();
        DataFolderTest::TearDown();
    }
    static fw::INIClass &settings()
    {
        static fw::INIClass ini;
        return ini;
    }
    // Customers C001..Cn, each with a name of the list in turn and a company after it.
    static void addCustomers(int n)
    {
        for (int i = 1; i <= n; ++i) {
            ASSERT_EQ(Access::CUSTOMER.PrimeRecord(), dict::Benign);
            CUS.CUSTOMERNO = customerNumber(i);
            CUS.LNAME = CustomerNames[(i - 1) % 10];
            CUS.COMPANY = std::string(CustomerNames[(i - 1) % 10]) + " Trading";
            ASSERT_EQ(Access::CUSTOMER.Insert(), dict::Benign);
        }
    }
    // Presses a started window's close button and lets it go.
    template <typename Window>
    static void closeWindow(Window *window, QAbstractButton *close)
    {
        QPointer<Window> alive(window);
        close->click();
        for (int i = 0; i < 20 && alive; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
};

} // namespace testsupport
