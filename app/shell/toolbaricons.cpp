#include "app/shell/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace app {

namespace {

// Drawn on a 24 x 24 grid.
using Draw = std::function<void(QPainter &)>;

const QColor Ink(0x33, 0x33, 0x33);
const QColor Paper(0xff, 0xff, 0xff);
const QColor Green(0x2e, 0x9d, 0x3e);
const QColor Red(0xc8, 0x30, 0x2c);
const QColor Blue(0x2f, 0x6f, 0xb8);

QIcon drawn(const Draw &draw)
{
    QIcon icon;
    for (int size : {24, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A sheet with a folded corner and lines of text; "heading" is written across its top.
void sheet(QPainter &p, QPointF at, const QString &heading = {})
{
    QPainterPath outline;
    outline.moveTo(at);
    outline.lineTo(at + QPointF(10, 0));
    outline.lineTo(at + QPointF(14, 4));
    outline.lineTo(at + QPointF(14, 18));
    outline.lineTo(at + QPointF(0, 18));
    outline.closeSubpath();
    p.setPen(QPen(Ink, 1.2));
    p.setBrush(Paper);
    p.drawPath(outline);
    p.drawLine(at + QPointF(10, 0), at + QPointF(10, 4));
    p.drawLine(at + QPointF(10, 4), at + QPointF(14, 4));
    p.setPen(QPen(Ink.lighter(180), 1));
    const double first = heading.isEmpty() ? 7 : 11;
    for (double y = first; y <= 15; y += 3)
        p.drawLine(at + QPointF(3, y), at + QPointF(11, y));
    if (!heading.isEmpty()) {
        QFont font = p.font();
        font.setPixelSize(6);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Blue);
        p.drawText(QRectF(at + QPointF(1, 3), QSizeF(10, 7)), Qt::AlignCenter, heading);
    }
}

// Two sheets, one behind the other: a file of documents.
void sheets(QPainter &p, const QString &heading = {})
{
    sheet(p, {7, 1});
    sheet(p, {3, 4}, heading);
}

// A round mark in a corner: + for something new, - for a credit.
void badge(QPainter &p, const QColor &colour, bool plus)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(18, 18), 5.5, 5.5);
    p.setPen(QPen(Paper, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 18), QPointF(21, 18));
    if (plus)
        p.drawLine(QPointF(18, 15), QPointF(18, 21));
}

void gear(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x60, 0x6a, 0x75));
    p.translate(12, 12);
    for (int tooth = 0; tooth < 8; ++tooth) {
        p.drawRect(QRectF(-1.8, -11, 3.6, 5));
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 7.5, 7.5);
    p.setBrush(Paper);
    p.drawEllipse(QPointF(0, 0), 3, 3);
}

void person(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawEllipse(QPointF(12, 7), 4.5, 4.5);
    QPainterPath body;
    body.moveTo(3, 22);
    body.cubicTo(3, 12, 21, 12, 21, 22);
    body.closeSubpath();
    p.drawPath(body);
}

void box(QPainter &p)
{
    const QColor card(0xc2, 0x8e, 0x4e);
    p.setPen(QPen(Ink, 1));
    p.setBrush(card);
    p.drawPolygon(QPolygonF({{3, 8}, {12, 12}, {12, 22}, {3, 18}}));
    p.setBrush(card.darker(115));
    p.drawPolygon(QPolygonF({{12, 12}, {21, 8}, {21, 18}, {12, 22}}));
    p.setBrush(card.lighter(120));
    p.drawPolygon(QPolygonF({{3, 8}, {12, 4}, {21, 8}, {12, 12}}));
}

void truck(QPainter &p)
{
    p.setPen(QPen(Ink, 1));
    p.setBrush(Blue);
    p.drawRect(QRectF(1.5, 6, 13, 10));
    p.setBrush(Blue.lighter(140));
    p.drawPolygon(QPolygonF({{14.5, 9}, {19, 9}, {22.5, 13}, {22.5, 16}, {14.5, 16}}));
    p.setBrush(Ink);
    p.drawEllipse(QPointF(6, 17.5), 2.5, 2.5);
    p.drawEllipse(QPointF(18, 17.5), 2.5, 2.5);
}

void note(QPainter &p)
{
    p.setPen(QPen(QColor(0xb8, 0x96, 0x00), 1));
    p.setBrush(QColor(0xff, 0xe0, 0x66));
    p.drawPolygon(QPolygonF({{3, 3}, {21, 3}, {21, 15}, {15, 21}, {3, 21}}));
    p.drawLine(QPointF(15, 21), QPointF(15, 15));
    p.drawLine(QPointF(15, 15), QPointF(21, 15));
    p.setPen(QPen(Ink.lighter(150), 1));
    for (double y = 8; y <= 14; y += 3)
        p.drawLine(QPointF(6, y), QPointF(18, y));
}

// Arrows pointing up (or down): one for a record, two for a page, two and a bar for an end.
void arrows(QPainter &p, bool down, int count, bool bar)
{
    if (down) {
        p.translate(0, 24);
        p.scale(1, -1);
    }
    p.setPen(QPen(Blue, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const double top = count == 1 ? 9 : 6;
    for (int i = 0; i < count; ++i) {
        const double y = top + i * 6 + (bar ? 2 : 0);
        p.drawPolyline(QPolygonF({{5, y + 7}, {12, y}, {19, y + 7}}));
    }
    if (bar)
        p.drawLine(QPointF(5, 4), QPointF(19, 4));
}

void plus(QPainter &p)
{
    p.setPen(QPen(Green, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 4), QPointF(12, 20));
    p.drawLine(QPointF(4, 12), QPointF(20, 12));
}

void pencil(QPainter &p)
{
    p.translate(12, 12);
    p.rotate(45);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(0xf0, 0xb4, 0x29));
    p.drawRect(QRectF(-2.5, -10, 5, 14));
    p.setBrush(QColor(0xe8, 0xc9, 0xa0));
    p.drawPolygon(QPolygonF({{-2.5, 4}, {2.5, 4}, {0, 9.5}}));
    p.setBrush(Red.lighter(130));
    p.drawRect(QRectF(-2.5, -11.5, 5, 2));
}

void cross(QPainter &p)
{
    p.setPen(QPen(Red, 3.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
}

void question(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawEllipse(QPointF(12, 12), 10, 10);
    QFont font = p.font();
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Paper);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
}

Draw drawing(ToolbarPicture picture)
{
    using P = ToolbarPicture;
    const QString po = QStringLiteral("PO");
    switch (picture) {
    case P::Setup: return gear;
    case P::NewCreditMemo: return [](QPainter &p) {
            sheet(p, {3, 1});
            badge(p, Red, false);
        };
    case P::NewInvoice: return [](QPainter &p) {
            sheet(p, {3, 1});
            badge(p, Green, true);
        };
    case P::NewPurchaseOrder: return [po](QPainter &p) {
            sheet(p, {3, 1}, po);
            badge(p, Green, true);
        };
    case P::Customers: return person;
    case P::CreditMemos: return [](QPainter &p) {
            sheets(p);
            badge(p, Red, false);
        };
    case P::Inventory: return box;
    case P::Invoices: return [](QPainter &p) { sheets(p); };
    case P::Vendors: return truck;
    case P::PurchaseOrders: return [po](QPainter &p) { sheets(p, po); };
    case P::StandardMemos: return note;
    case P::FirstPage: return [](QPainter &p) { arrows(p, false, 2, true); };
    case P::PriorPage: return [](QPainter &p) { arrows(p, false, 2, false); };
    case P::PriorRecord: return [](QPainter &p) { arrows(p, false, 1, false); };
    case P::NextRecord: return [](QPainter &p) { arrows(p, true, 1, false); };
    case P::NextPage: return [](QPainter &p) { arrows(p, true, 2, false); };
    case P::LastPage: return [](QPainter &p) { arrows(p, true, 2, true); };
    case P::Insert: return plus;
    case P::Change: return pencil;
    case P::Delete: return cross;
    case P::Help: return question;
    }
    return question;
}

} // namespace

QIcon toolbarIcon(ToolbarPicture picture) { return drawn(drawing(picture)); }

} // namespace app
