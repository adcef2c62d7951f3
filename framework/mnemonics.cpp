#include "framework/mnemonics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QWidget>

#include <functional>
#include <vector>

namespace fw {

namespace {

// Where the marked letter is, -1 when the text has none ("&&" is a plain ampersand).
qsizetype markAt(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return i + 1;
        ++i;
    }
    return -1;
}

// One control's text, read and written through its own accessor.
struct Labelled {
    std::function<QString()> text;
    std::function<void(const QString &)> setText;
};

std::vector<Labelled> labelledControls(QWidget *window)
{
    std::vector<Labelled> found;
    for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
        found.push_back({[b] { return b->text(); }, [b](const QString &t) { b->setText(t); }});
    for (QGroupBox *g : window->findChildren<QGroupBox *>())
        found.push_back({[g] { return g->title(); }, [g](const QString &t) { g->setTitle(t); }});
    for (QLabel *l : window->findChildren<QLabel *>())
        if (l->buddy())
            found.push_back({[l] { return l->text(); }, [l](const QString &t) { l->setText(t); }});
    for (QTabBar *bar : window->findChildren<QTabBar *>())
        for (int i = 0; i < bar->count(); ++i)
            found.push_back({[bar, i] { return bar->tabText(i); }, [bar, i](const QString &t) { bar->setTabText(i, t); }});
    return found;
}

// The position in the plain text (no '&') of the first free letter, word starts first; -1 if none.
qsizetype freeLetter(const QString &plain, const QString &taken)
{
    auto usable = [&](qsizetype i) { return plain[i].isLetterOrNumber() && !taken.contains(plain[i].toUpper()); };
    for (qsizetype i = 0; i < plain.size(); ++i)
        if ((i == 0 || !plain[i - 1].isLetterOrNumber()) && usable(i))
            return i;
    for (qsizetype i = 0; i < plain.size(); ++i)
        if (usable(i))
            return i;
    return -1;
}

// The text as shown: "&&" is one ampersand, a marked letter loses its '&'.
QString shownText(const QString &text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The shown text marked at a position (none when -1), its ampersands escaped.
QString marked(const QString &shown, qsizetype at)
{
    QString text;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (i == at)
            text += QLatin1Char('&');
        text += shown[i];
        if (shown[i] == QLatin1Char('&'))
            text += QLatin1Char('&');
    }
    return text;
}

} // namespace

QChar mnemonicOf(const QString &text)
{
    const qsizetype at = markAt(text);
    return at < 0 ? QChar() : text[at].toUpper();
}

void moveMnemonicsOff(QWidget *window, const QString &reserved)
{
    const std::vector<Labelled> controls = labelledControls(window);
    const QString menus = reserved.toUpper();
    QString taken = menus;
    for (const Labelled &c : controls)
        if (const QChar letter = mnemonicOf(c.text()); !letter.isNull() && !taken.contains(letter))
            taken += letter;
    for (const Labelled &c : controls) {
        const QString text = c.text();
        const QChar letter = mnemonicOf(text);
        if (letter.isNull() || !menus.contains(letter))
            continue;
        const QString shown = shownText(text);
        const qsizetype at = freeLetter(shown, taken);
        if (at >= 0)
            taken += shown[at].toUpper();
        c.setText(marked(shown, at));
    }
}

} // namespace fw
