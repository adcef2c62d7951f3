#include "app/inventory/stockrows.h"

#include "dictionary/files.h"
#include "dictionary/globals.h"
#include "dictionary/money.h"
#include "framework/picture.h"

#include <QGridLayout>
#include <QLabel>

namespace app {

namespace {

QString shown(double number, const std::string &picture)
{
    return QString::fromStdString(fw::formatValue(number, picture)).trimmed();
}

} // namespace

bool stockBelowReorder()
{
    return GLO.REDLINEINVENTORY == 1
           && (STO.AMOUNTINSTOCK < STO.MINAMOUNT || dict::sameQuantity(STO.AMOUNTINSTOCK, STO.MINAMOUNT));
}

QLabel *valueRow(QGridLayout *grid, int r, const char *prompt, QLabel **promptLabel)
{
    auto *label = new QLabel(QString::fromUtf8(prompt));
    if (promptLabel)
        *promptLabel = label;
    auto *value = new QLabel;
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(80);
    grid->addWidget(label, r, 0);
    grid->addWidget(value, r, 1);
    return value;
}

void namePrices(std::initializer_list<QLabel *> labels, const char *suffix)
{
    if (GLO.PRICE1.blank())
        return;
    const std::string names[] = {GLO.PRICE1.str(), GLO.PRICE2.str(), GLO.PRICE3.str()};
    int i = 0;
    for (QLabel *label : labels)
        label->setText(QString::fromStdString(names[i++] + suffix));
}

void showAmounts(bool any, std::initializer_list<std::pair<QLabel *, double>> amounts)
{
    const std::string money = fw::moneyPicture("@n-13.2");
    for (const auto &[label, amount] : amounts)
        label->setText(any ? shown(amount, money) : QString());
}

void showQuantities(bool any, std::initializer_list<std::pair<QLabel *, double>> quantities)
{
    for (const auto &[label, quantity] : quantities)
        label->setText(any ? shown(quantity, "@n-13.2") : QString());
}

} // namespace app
