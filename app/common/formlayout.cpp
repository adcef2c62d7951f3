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
    help->setEnabled(false); // no help pages yet
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

QString promptOf(QWidget *control)
{
    for (QLabel *label : control->window()->findChildren<QLabel *>()) {
        if (label->buddy() == control) {
            QString text = label->text();
            text.remove(QLatin1Char('&'));
            if (text.endsWith(QLatin1Char(':')))
                text.chop(1);
            return text;
        }
    }
    return {};
}

} // namespace app
