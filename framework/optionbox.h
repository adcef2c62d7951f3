// An option control: a titled group of radio buttons, each standing for one value of a field.
// Bound through FormField like any other control; the field takes the value of the checked option.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>

#include <utility>
#include <vector>

class QGridLayout;
class QRadioButton;

namespace fw {

class OptionBox : public QGroupBox
{
    Q_OBJECT
public:
    // The options are laid out top to bottom in the given number of columns.
    explicit OptionBox(const QString &title, QWidget *parent = nullptr, int columns = 1);

    QRadioButton *addOption(const QString &text, const QString &value);
    // Fills the columns with the options added so far (call once all are added).
    void arrange();

    // The value of the checked option; empty when none is checked.
    QString value() const;
    // Checks the option with this value (compared without regard to case and trailing blanks);
    // no option stays checked when none has it.
    void setValue(const QString &value);
    QRadioButton *option(const QString &value) const;

Q_SIGNALS:
    // The user picked an option.
    void changed();

private:
    QButtonGroup group_;
    QGridLayout *layout_;
    int columns_;
    std::vector<std::pair<QRadioButton *, QString>> options_;
};

} // namespace fw
