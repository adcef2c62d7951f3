#include "app/common/formlayout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>

namespace app {

QLineEdit *entry(QWidget *parent, int maxChars, int shownChars)
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(maxChars);
    const QFontMetrics metrics(edit->font());
    edit->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('M')) * 2 / 3 * shownChars + 12);
    return edit;
}

QLineEdit *numberEntry(QWidget *parent, int shownChars)
{
    QLineEdit *edit = entry(parent, 20, shownChars);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(edit->minimumWidth());
    return edit;
}

QLineEdit *rateEntry(QWidget *parent, int shownChars)
{
    QLineEdit *edit = numberEntry(parent, shownChars);
    edit->setPlaceholderText("0.0625");
    edit->setToolTip("A rate as a fraction: 0.0625 = 6.25 %");
    return edit;
}

QLabel *prompt(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QHBoxLayout *formButtons(QWidget *window, QPushButton *&ok, QPushButton *&cancel, QPushButton *&help, const char *okTip)
{
    auto *layout = new QHBoxLayout;
    layout->addStretch();
    ok = new QPushButton("Ok", window);
    ok->setToolTip(okTip);
    ok->setDefault(true);
    cancel = new QPushButton("Cancel", window);
    cancel->setToolTip("Cancel and Return...");
    help = new QPushButton("&Help", window);
    help->setToolTip("Help...");
    for (QPushButton *button : {ok, cancel, help})
        layout->addWidget(button);
    return layout;
}

QPushButton *button(QHBoxLayout *row, const char *text, const char *tip)
{
    auto *b = new QPushButton(QString::fromUtf8(text));
    if (tip)
        b->setToolTip(QString::fromUtf8(tip));
    row->addWidget(b);
    return b;
}

QLabel *caption(QWidget *window)
{
    auto *label = new QLabel(window);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel *row(QGridLayout *grid, int r, int column, const QString &text, QWidget *control, int span)
{
    QLabel *label = prompt(text, control);
    grid->addWidget(label, r, column);
    grid->addWidget(control, r, column + 1, 1, span);
    return label;
}

std::string withDecimals(std::string_view picture, std::string_view fallback)
{
    const bool hasDecimals = picture.find_first_of(".`") != std::string_view::npos;
    return std::string(hasDecimals ? picture : fallback);
}

std::string numberPicture(std::string_view picture, std::string_view fallback)
{
    const bool number = picture.size() > 1 && (picture[1] == 'n' || picture[1] == 'N');
    return std::string(number ? picture : fallback);
}

} // namespace app
