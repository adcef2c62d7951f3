#include "reports/askforday.h"

#include "dictionary/globals.h"
#include "framework/globalcodes.h"
#include "framework/picture.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace Win {

namespace {

std::string datePicture()
{
    const std::string picture = GLO.DATENAME.str();
    return picture.empty() ? std::string("@d2") : picture;
}

// Reads a typed date into day; false (and the entry selected) when it is no date.
bool readDate(QLineEdit *entry, dict::LONG &day)
{
    const fw::ParseResult typed = fw::deformatText(entry->text().toStdString(), datePicture());
    if (!typed || typed.number == 0) {
        entry->setFocus();
        entry->selectAll();
        return false;
    }
    day = dict::LONG(typed.number);
    return true;
}

} // namespace

int AskforDay()
{
    QDialog window;
    window.setWindowTitle(QStringLiteral("Select Dates..."));
    auto *column = new QVBoxLayout(&window);
    column->addWidget(new QLabel(QStringLiteral("Enter Date(s) for Report:")));
    auto *form = new QFormLayout;
    const QString today = QString::fromStdString(fw::formatValue(fw::today(), datePicture()));
    auto *start = new QLineEdit(today);
    auto *end = new QLineEdit(today);
    form->addRow(QStringLiteral(" Starting Date:"), start);
    form->addRow(QStringLiteral("Ending Date:"), end);
    column->addLayout(form);
    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel and Return..."), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    column->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, [&] {
        if (readDate(start, GLO.STARTDATE) && readDate(end, GLO.ENDDATE))
            window.accept();
    });
    GlobalResponse = window.exec() == QDialog::Accepted ? fw::RequestCompleted : fw::RequestCancelled;
    return GlobalResponse;
}

} // namespace Win
