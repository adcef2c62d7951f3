#include "framework/optionbox.h"

#include <QGridLayout>
#include <QRadioButton>

namespace fw {

namespace {
QString normalised(const QString &value)
{
    QString text = value;
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text.toCaseFolded();
}
} // namespace

OptionBox::OptionBox(const QString &title, QWidget *parent, int columns)
    : QGroupBox(title, parent)
    , layout_(new QGridLayout(this))
    , columns_(columns < 1 ? 1 : columns)
{
    group_.setExclusive(true);
    connect(&group_, &QButtonGroup::buttonClicked, this, [this] { Q_EMIT changed(); });
}

QRadioButton *OptionBox::addOption(const QString &text, const QString &value)
{
    auto *button = new QRadioButton(text, this);
    group_.addButton(button);
    options_.emplace_back(button, value);
    layout_->addWidget(button, static_cast<int>(options_.size()) - 1, 0);
    return button;
}

void OptionBox::arrange()
{
    const int count = static_cast<int>(options_.size());
    const int rows = (count + columns_ - 1) / columns_;
    for (int i = 0; i < count; ++i) {
        layout_->removeWidget(options_[i].first);
        layout_->addWidget(options_[i].first, i % rows, i / rows);
    }
}

QString OptionBox::value() const
{
    for (const auto &[button, value] : options_)
        if (button->isChecked())
            return value;
    return {};
}

void OptionBox::setValue(const QString &value)
{
    if (QRadioButton *match = option(value)) {
        match->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; let go of it to show "none".
    group_.setExclusive(false);
    for (const auto &entry : options_)
        entry.first->setChecked(false);
    group_.setExclusive(true);
}

QRadioButton *OptionBox::option(const QString &value) const
{
    const QString wanted = normalised(value);
    for (const auto &[button, v] : options_)
        if (normalised(v) == wanted)
            return button;
    return nullptr;
}

} // namespace fw
