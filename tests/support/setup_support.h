// Shared by the setup and password tests: a data folder that has been through the program's
// start-up, the stored SETUP record read back from its file, and ways to drive real controls.
#pragma once

#include "app/setup/setupmessages.h"
#include "app/setup/startup.h"
#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "framework/optionbox.h"
#include "tests/support/datafolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>

namespace setuptest {

// SETUP record 1 as its file holds it now. Uses the current record buffer, so call it when no
// window of the test is open.
inline dict::SETUPRecord storedSetup()
{
    EXPECT_EQ(Access::SETUP.Open(), dict::Benign);
    SET = {};
    SET.RECORDNO = 1;
    EXPECT_EQ(Access::SETUP.TryFetch(SET.RecordNo_Key), dict::Benign);
    const dict::SETUPRecord stored = SET;
    Access::SETUP.Close();
    return stored;
}

class StartedFolderTest : public testsupport::DataFolderTest
{
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        dict::resetGlobals();
        app::installSetupMessages(errors);
        ASSERT_EQ(app::StartUp(), app::StartResult::FirstRun);
        GLO.STARTUP = 0;
        screen.clear();
    }
    void TearDown() override
    {
        DataFolderTest::TearDown();
        dict::resetGlobals();
    }
};

// Typing replaces the entry's text and leaves the entry, as tabbing out of it does.
inline void type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    Q_EMIT edit->editingFinished();
}

// Clicks near the left edge, on the box or the start of the text, where a check box or an option
// takes clicks however wide its layout made it.
inline void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

inline void pick(fw::OptionBox *box, const char *value)
{
    QRadioButton *option = box->option(QString::fromUtf8(value));
    ASSERT_NE(option, nullptr) << value;
    click(option);
}

// The visible top-level window with this title, if one is open.
inline QWidget *openWindow(const QString &title)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title)
            return w;
    return nullptr;
}

template <class T>
T *childWithText(QWidget *window, const QString &text)
{
    for (T *child : window->findChildren<T *>())
        if (child->text() == text)
            return child;
    return nullptr;
}

// With TQ_SCREENSHOTS set to a folder, saves a picture of the window there to look at.
inline void screenshot(QWidget *window, const QString &name)
{
    if (const char *folder = std::getenv("TQ_SCREENSHOTS"))
        window->grab().save(QString("%1/%2.png").arg(QString::fromLocal8Bit(folder), name));
}

// Acts on each window titled title as it opens (polling the event loop), for as long as the
// returned object lives. Counts the windows it has seen.
class WhenShown : public QObject
{
public:
    WhenShown(const QString &title, std::function<void(QWidget *)> act)
        : title_(title)
        , act_(std::move(act))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }
    int seen() const { return seen_; }

private:
    void poll()
    {
        QWidget *window = openWindow(title_);
        if (!window || window == last_)
            return;
        last_ = window;
        ++seen_;
        act_(window);
    }

    QString title_;
    std::function<void(QWidget *)> act_;
    QTimer timer_;
    QPointer<QWidget> last_;
    int seen_ = 0;
};

} // namespace setuptest
