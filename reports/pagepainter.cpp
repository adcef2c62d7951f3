#include "reports/pagepainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>

#include <QStringList>

#include <cmath>

namespace rpt {

namespace {

QFont qtFont(const Font &font)
{
    QFont f(QString::fromStdString(font.family));
    // Sized in report units because the painter is scaled to them.
    f.setPixelSize(std::max(1, int(std::lround(font.points * 1000.0 / 72.0))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

int alignment(Align align)
{
    switch (align) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QRect rect(const Box &at) { return {at.x, at.y, at.width, at.height}; }

} // namespace

void paintPage(const PageQueue &queue, int page, QPainter &painter, double dotsPerInch)
{
    painter.save();
    painter.scale(dotsPerInch / 1000.0, dotsPerInch / 1000.0);
    painter.setRenderHint(QPainter::Antialiasing);
    const Page &p = queue.page(page);
    int currentFont = -1;
    for (const PageOp &op : p.ops) {
        switch (op.kind) {
        case PageOp::Text:
            if (op.font != currentFont) {
                painter.setFont(qtFont(queue.fonts()[op.font]));
                currentFont = op.font;
            }
            // Black on the page whatever the device: a widget's painter starts with its palette's
            // text colour, which is pale over a dark scroll area.
            painter.setPen(Qt::black);
            painter.drawText(rect(op.at), alignment(op.align) | Qt::TextDontClip,
                             QString::fromUtf8(queue.text(p, op)));
            break;
        case PageOp::Line:
            painter.setPen(QPen(Qt::black, op.font));
            painter.drawLine(op.at.x, op.at.y, op.at.x + op.at.width, op.at.y + op.at.height);
            break;
        case PageOp::Rect:
            painter.setPen(QPen(Qt::black, op.font));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect(op.at));
            break;
        case PageOp::Image: {
            // Kept in proportion inside its frame.
            const QImage &image = queue.image(op.index);
            QSize size = image.size().scaled(op.at.width, op.at.height, Qt::KeepAspectRatio);
            painter.drawImage(QRect(QPoint(op.at.x, op.at.y), size), image);
            break;
        }
        }
    }
    painter.restore();
}

namespace {

// Breaks one paragraph into lines no wider than width.
void wrapParagraph(const QFontMetricsF &metrics, double width, const QString &paragraph, std::vector<std::string> &lines)
{
    QString line;
    auto fits = [&](const QString &text) { return metrics.horizontalAdvance(text) <= width; };
    for (const QString &word : paragraph.split(QLatin1Char(' '))) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (fits(joined)) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines.push_back(line.toStdString());
        line.clear();
        // A word wider than the frame goes by characters, never between the two halves of a
        // character outside the first plane.
        for (qsizetype i = 0; i < word.size();) {
            const qsizetype n = word.at(i).isHighSurrogate() && i + 1 < word.size() ? 2 : 1;
            const QString c = word.mid(i, n);
            i += n;
            if (!line.isEmpty() && !fits(line + c)) {
                lines.push_back(line.toStdString());
                line.clear();
            }
            line += c;
        }
    }
    lines.push_back(line.toStdString());
}

} // namespace

std::vector<std::string> wrapText(const Font &font, int width, const std::string &text)
{
    const QFontMetricsF metrics(qtFont(font));
    QString all = QString::fromStdString(text);
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::vector<std::string> lines;
    for (const QString &paragraph : all.split(QLatin1Char('\n')))
        wrapParagraph(metrics, width, paragraph, lines);
    return lines;
}

int lineHeight(const Font &font) { return int(std::ceil(QFontMetricsF(qtFont(font)).lineSpacing())); }

TextMeasure::Metrics &TextMeasure::metrics(const Font &font)
{
    for (Metrics &kept : metrics_)
        if (kept.font == font)
            return kept;
    Metrics &made = metrics_.emplace_back(Metrics{font, QFontMetricsF(qtFont(font))});
    for (int c = 32; c < 128; ++c)
        made.ascii[std::size_t(c)] = made.metrics.horizontalAdvance(QChar(c));
    return made;
}

double TextMeasure::width(const Font &font, std::string_view text)
{
    return metrics(font).metrics.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

double TextMeasure::atMost(const Font &font, std::string_view text)
{
    const Metrics &m = metrics(font);
    double sum = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 128 || byte < 32)
            return width(font, text);
        sum += m.ascii[byte];
    }
    return sum;
}

} // namespace rpt
