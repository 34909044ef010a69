#include "tools/picgen/ScreenKit.h"

#include "tools/picgen/Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace picgen::screen {

using namespace tandrel::kontalo;

QFont ui(double px, bool bold)
{
    return sans(px, bold);
}

void label(QPainter& p, const QRectF& rect, const QString& s, int align, const QColor& color, bool bold, double px)
{
    p.setFont(ui(px, bold));
    p.setPen(color);
    p.drawText(rect, align, s);
}

namespace {

// Tool bar icons in a 24 x 24 box at (x, y).
void toolIcon(QPainter& p, int tool, double x, double y)
{
    p.save();
    p.translate(x, y);
    p.setPen(Qt::NoPen);
    switch (tool) {
    case ToolNeu: {
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(0x70, 0x7a, 0x85), 1.2));
        p.drawPolygon(QPolygonF({QPointF(5, 2), QPointF(15, 2), QPointF(20, 7), QPointF(20, 22), QPointF(5, 22)}));
        p.drawLine(QPointF(15, 2), QPointF(15, 7));
        p.drawLine(QPointF(15, 7), QPointF(20, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(pal::sun);
        p.drawEllipse(QPointF(18, 5), 3.2, 3.2);
        break;
    }
    case ToolOeffnen:
        p.setBrush(QColor(0xd9, 0xa4, 0x3c));
        p.drawRoundedRect(QRectF(2, 5, 10, 5), 1.5, 1.5);
        p.drawRoundedRect(QRectF(2, 7, 20, 14), 1.5, 1.5);
        p.setBrush(QColor(0xf3, 0xcd, 0x6d));
        p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 21), QPointF(2, 21)}));
        break;
    case ToolSpeichern:
        p.setBrush(QColor(0x2f, 0x5b, 0x9a));
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3, 12, 7));
        p.setBrush(QColor(0xc9, 0xd6, 0xe8));
        p.drawRect(QRectF(7, 14, 10, 7));
        break;
    case ToolAnlage:
        pvModule(p, QPolygonF({QPointF(4, 16), QPointF(14, 12), QPointF(22, 18), QPointF(12, 23)}), 4, 3, pal::cell);
        pvModule(p, QPolygonF({QPointF(2, 8), QPointF(12, 3), QPointF(20, 9), QPointF(10, 14)}), 4, 3, pal::cell);
        break;
    case ToolStandort: {
        QPainterPath pin;
        pin.moveTo(12, 23);
        pin.cubicTo(6, 15, 4, 12, 4, 9);
        pin.arcTo(QRectF(4, 1, 16, 16), 180, -180);
        pin.cubicTo(20, 12, 18, 15, 12, 23);
        p.setBrush(pal::red);
        p.drawPath(pin);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 9), 3.2, 3.2);
        break;
    }
    case ToolGenerator:
        p.setPen(QPen(QColor(0x55, 0x60, 0x6a), 1.4));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(12, 12), 10, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(pal::red);
        p.drawPolygon(QPolygonF({QPointF(12, 12), QPointF(18, 19), QPointF(14, 11)}));
        p.setBrush(pal::blue);
        p.drawPolygon(QPolygonF({QPointF(12, 12), QPointF(6, 5), QPointF(10, 13)}));
        break;
    case ToolFinanzen:
        p.setBrush(QColor(0xe6, 0xb4, 0x2c));
        p.drawEllipse(QPointF(12, 12), 10, 10);
        p.setBrush(QColor(0xf7, 0xd5, 0x5e));
        p.drawEllipse(QPointF(12, 12), 8, 8);
        label(p, QRectF(2, 2, 20, 20), QStringLiteral("€"), Qt::AlignCenter, QColor(0x8a, 0x5a, 0x00), true, 13);
        break;
    case ToolKredite:
        p.setBrush(QColor(0x6b, 0x77, 0x82));
        p.drawPolygon(QPolygonF({QPointF(2, 8), QPointF(12, 2), QPointF(22, 8)}));
        p.drawRect(QRectF(3, 19, 18, 3));
        p.setBrush(QColor(0x9a, 0xa5, 0xaf));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(4.5 + i * 4.5, 9.5, 2.6, 9));
        break;
    case ToolDiagramme:
        p.setBrush(brand);
        p.drawRect(QRectF(3, 13, 4, 9));
        p.setBrush(QColor(0x3f, 0x9f, 0x5f));
        p.drawRect(QRectF(9, 8, 4, 14));
        p.setBrush(QColor(0x9b, 0xc5, 0x3d));
        p.drawRect(QRectF(15, 4, 4, 18));
        p.setPen(QPen(accent, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(2, 12), QPointF(8, 7), QPointF(13, 9), QPointF(21, 2)}));
        break;
    case ToolReport:
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(0x70, 0x7a, 0x85), 1.2));
        p.drawRect(QRectF(5, 2, 15, 20));
        p.setPen(QPen(QColor(0x8a, 0x95, 0xa0), 1.2));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(8, 7 + i * 3), QPointF(17, 7 + i * 3));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc8, 0x32, 0x2b));
        p.drawRect(QRectF(2, 15, 12, 7));
        label(p, QRectF(2, 15, 12, 7), QStringLiteral("PDF"), Qt::AlignCenter, Qt::white, true, 5.5);
        break;
    case ToolHilfe:
        p.setBrush(QColor(0x2f, 0x6d, 0xb5));
        p.drawEllipse(QPointF(12, 12), 10, 10);
        label(p, QRectF(2, 2, 20, 20), QStringLiteral("?"), Qt::AlignCenter, Qt::white, true, 15);
        break;
    default:
        break;
    }
    p.restore();
}

void treeGlyph(QPainter& p, int item, double x, double y)
{
    p.save();
    p.setPen(Qt::NoPen);
    if (item == TreeProjekt) {
        p.setBrush(QColor(0xd9, 0xa4, 0x3c));
        p.drawRoundedRect(QRectF(x, y + 2, 14, 11), 1.5, 1.5);
    } else if (kTreeIndent[item] == 1) {
        p.setBrush(item == TreeAnlage ? pal::cell : item == TreeFinanzierung ? QColor(0xe6, 0xb4, 0x2c) : brand);
        p.drawRoundedRect(QRectF(x + 1, y + 2, 12, 12), 2, 2);
    } else {
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(0x8a, 0x95, 0xa0), 1));
        p.drawRect(QRectF(x + 2, y + 1.5, 10, 12));
        p.setPen(QPen(QColor(0xa5, 0xb0, 0xba), 1));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(x + 4, y + 5 + i * 3), QPointF(x + 10, y + 5 + i * 3));
    }
    p.restore();
}

} // namespace

void window(QPainter& p, const QString& title, int selectedTreeItem, const QString& statusText)
{
    const double W = kScreenWidth, H = kScreenHeight;
    p.fillRect(QRectF(0, 0, W, H), face);
    // Title bar in the light glass look.
    QLinearGradient tg(0, 0, 0, kTitleHeight);
    tg.setColorAt(0, QColor(0xd8, 0xe6, 0xf5));
    tg.setColorAt(1, QColor(0xb9, 0xd1, 0xea));
    p.fillRect(QRectF(0, 0, W, kTitleHeight), tg);
    p.setPen(Qt::NoPen);
    p.setBrush(brand);
    p.drawRoundedRect(QRectF(7, 6, 16, 16), 3, 3);
    p.setBrush(accent);
    p.drawRect(QRectF(10, 14, 3, 5));
    p.setBrush(QColor(0x9b, 0xc5, 0x3d));
    p.drawRect(QRectF(14, 10, 3, 9));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 8, 2, 11));
    label(p, QRectF(30, 0, W - 160, kTitleHeight), title, Qt::AlignLeft | Qt::AlignVCenter, QColor(0x10, 0x20, 0x30));
    // Minimise, maximise, close.
    const double bx = W - 104;
    p.setPen(QPen(QColor(0x6d, 0x84, 0xa3), 1));
    p.setBrush(QColor(0xe3, 0xec, 0xf7));
    p.drawRoundedRect(QRectF(bx, 1, 56, 19), 3, 3);
    QLinearGradient cg(0, 1, 0, 20);
    cg.setColorAt(0, QColor(0xe8, 0x9a, 0x8a));
    cg.setColorAt(1, QColor(0xc4, 0x42, 0x2b));
    p.setBrush(cg);
    p.drawRoundedRect(QRectF(bx + 56, 1, 44, 19), 3, 3);
    p.setPen(QPen(QColor(0x30, 0x40, 0x50), 1.6));
    p.drawLine(QPointF(bx + 9, 14), QPointF(bx + 19, 14));
    p.drawRect(QRectF(bx + 34, 6, 11, 9));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(bx + 73, 6), QPointF(bx + 83, 15));
    p.drawLine(QPointF(bx + 83, 6), QPointF(bx + 73, 15));

    // Menu bar.
    p.fillRect(QRectF(0, kTitleHeight, W, kMenuBottom - kTitleHeight), QColor(0xf5, 0xf6, 0xf7));
    double mx = 10;
    p.setFont(ui(12));
    for (const char* m : {"Datei", "Bearbeiten", "Ansicht", "Projekt", "Berechnung", "Extras", "Fenster", "Hilfe"}) {
        const QString s = QString::fromUtf8(m);
        const double w = QFontMetricsF(p.font()).horizontalAdvance(s);
        label(p, QRectF(mx, kTitleHeight, w + 4, kMenuBottom - kTitleHeight), s);
        mx += w + 20;
    }
    // Tool bar.
    QLinearGradient bg(0, kMenuBottom, 0, kToolBarBottom);
    bg.setColorAt(0, QColor(0xfb, 0xfc, 0xfd));
    bg.setColorAt(1, QColor(0xe3, 0xe8, 0xee));
    p.fillRect(QRectF(0, kMenuBottom, W, kToolBarBottom - kMenuBottom), bg);
    p.setPen(QColor(0xc5, 0xcb, 0xd3));
    p.drawLine(QPointF(0, kMenuBottom), QPointF(W, kMenuBottom));
    p.drawLine(QPointF(0, kToolBarBottom - 0.5), QPointF(W, kToolBarBottom - 0.5));
    for (int t = 0; t < ToolCount; ++t) {
        const QRectF b = r(toolButton(t));
        toolIcon(p, t, b.center().x() - 12, b.top() + 2);
        label(p, QRectF(b.left() - 4, b.top() + 27, b.width() + 8, 14), QString::fromUtf8(kToolCaptions[t]),
              Qt::AlignHCenter | Qt::AlignTop, text, false, 11);
        if (t == ToolSpeichern || t == ToolReport) {
            p.setPen(QColor(0xc5, 0xcb, 0xd3));
            p.drawLine(QPointF(b.right() + 8, b.top() + 4), QPointF(b.right() + 8, b.bottom() - 4));
        }
    }

    // Project tree.
    const QRectF tree(4, kToolBarBottom + 6, kTreeWidth - 6, kStatusTop - kToolBarBottom - 12);
    p.setPen(border);
    p.setBrush(Qt::white);
    p.drawRect(tree);
    p.fillRect(QRectF(tree.left() + 1, tree.top() + 1, tree.width() - 1, 22), QColor(0xe9, 0xf0, 0xf6));
    label(p, QRectF(tree.left() + 8, tree.top() + 1, tree.width(), 22), QStringLiteral("Projekt-Explorer"),
          Qt::AlignLeft | Qt::AlignVCenter, QColor(0x20, 0x40, 0x60), true, 11.5);
    for (int i = 0; i < TreeCount; ++i) {
        const QRectF item = r(treeItem(i));
        if (i == selectedTreeItem) {
            p.setPen(QColor(0x7d, 0xa2, 0xce));
            QLinearGradient sg(0, item.top(), 0, item.bottom());
            sg.setColorAt(0, QColor(0xdc, 0xeb, 0xfc));
            sg.setColorAt(1, QColor(0xc1, 0xdb, 0xfc));
            p.setBrush(sg);
            p.drawRoundedRect(item.adjusted(14, 0, 0, 0), 2, 2);
        }
        if (i + 1 < TreeCount && kTreeIndent[i + 1] > kTreeIndent[i]) {
            p.setPen(QColor(0x40, 0x40, 0x40));
            p.setBrush(QColor(0x40, 0x40, 0x40));
            p.drawPolygon(QPolygonF({QPointF(item.left() + 3, item.top() + 7), QPointF(item.left() + 10, item.top() + 7),
                                     QPointF(item.left() + 6.5, item.top() + 12)}));
        }
        treeGlyph(p, i, item.left() + 16, item.top() + 3);
        label(p, QRectF(item.left() + 34, item.top(), item.width() - 34, item.height()), QString::fromUtf8(kTreeCaptions[i]),
              Qt::AlignLeft | Qt::AlignVCenter, text, i == TreeProjekt, 12);
    }

    // Content area and status bar.
    p.setPen(border);
    p.setBrush(Qt::white);
    p.drawRect(r(kContent));
    p.fillRect(QRectF(0, kStatusTop, W, H - kStatusTop), QColor(0xe9, 0xec, 0xf0));
    p.setPen(QColor(0xc5, 0xcb, 0xd3));
    p.drawLine(QPointF(0, kStatusTop), QPointF(W, kStatusTop));
    const QString cells[] = {statusText, QStringLiteral("Projekt-Nr. 2010-0147"), QStringLiteral("EEG 2010: 39,14 ct/kWh"),
                             QStringLiteral("NUM")};
    const double widths[] = {430, 170, 200, 0};
    double sx = 8;
    for (int i = 0; i < 4; ++i) {
        label(p, QRectF(sx, kStatusTop, i == 3 ? W - sx - 8 : widths[i] - 10, H - kStatusTop), cells[i],
              (i == 3 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, QColor(0x30, 0x30, 0x30), false, 11.5);
        if (i < 3) {
            sx += widths[i];
            p.setPen(QColor(0xb8, 0xbf, 0xc8));
            p.drawLine(QPointF(sx - 6, kStatusTop + 4), QPointF(sx - 6, H - 4));
        }
    }
}

void dim(QPainter& p)
{
    p.fillRect(QRectF(0, 0, kScreenWidth, kScreenHeight), QColor(0x20, 0x28, 0x30, 70));
}

QRectF dialog(QPainter& p, const QRectF& outer, const QString& title)
{
    // Soft shadow, glass frame, white client.
    for (int i = 8; i > 0; --i)
        p.fillRect(outer.adjusted(-i + 6, -i + 8, i + 6, i + 8), QColor(0, 0, 0, 6));
    QLinearGradient g(0, outer.top(), 0, outer.top() + 30);
    g.setColorAt(0, QColor(0xdb, 0xe8, 0xf6));
    g.setColorAt(1, QColor(0xbf, 0xd4, 0xec));
    p.setPen(QColor(0x55, 0x6b, 0x88));
    p.setBrush(g);
    p.drawRoundedRect(outer, 5, 5);
    label(p, QRectF(outer.left() + 12, outer.top(), outer.width() - 60, 28), title, Qt::AlignLeft | Qt::AlignVCenter,
          QColor(0x10, 0x20, 0x30));
    QLinearGradient cg(0, outer.top() + 4, 0, outer.top() + 22);
    cg.setColorAt(0, QColor(0xe8, 0x9a, 0x8a));
    cg.setColorAt(1, QColor(0xc4, 0x42, 0x2b));
    p.setPen(QColor(0x6d, 0x3a, 0x30));
    p.setBrush(cg);
    const QRectF close(outer.right() - 50, outer.top() + 1, 44, 19);
    p.drawRoundedRect(close, 3, 3);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(close.center() + QPointF(-5, -4.5), close.center() + QPointF(5, 4.5));
    p.drawLine(close.center() + QPointF(5, -4.5), close.center() + QPointF(-5, 4.5));
    const QRectF client = outer.adjusted(7, 29, -7, -7);
    p.setPen(QColor(0x8a, 0x9c, 0xb2));
    p.setBrush(face);
    p.drawRect(client);
    return client;
}

void button(QPainter& p, const QRectF& rect, const QString& caption, bool isDefault)
{
    QLinearGradient g(0, rect.top(), 0, rect.bottom());
    g.setColorAt(0, isDefault ? QColor(0xf0, 0xf8, 0xfe) : QColor(0xf6, 0xf6, 0xf6));
    g.setColorAt(0.5, isDefault ? QColor(0xdc, 0xee, 0xfb) : QColor(0xe8, 0xe8, 0xe8));
    g.setColorAt(1, isDefault ? QColor(0xc4, 0xe0, 0xf6) : QColor(0xd8, 0xd8, 0xd8));
    p.setPen(isDefault ? QColor(0x3c, 0x7f, 0xb1) : QColor(0x70, 0x70, 0x70));
    p.setBrush(g);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    label(p, rect, caption, Qt::AlignCenter);
}

void edit(QPainter& p, const QRectF& rect, const QString& value, bool rightAligned, bool combo)
{
    p.setPen(border);
    p.setBrush(Qt::white);
    p.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    QRectF t = rect.adjusted(5, 0, combo ? -22 : -5, 0);
    label(p, t, value, (rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    if (combo) {
        const QRectF b(rect.right() - 18, rect.top() + 2, 16, rect.height() - 4);
        QLinearGradient g(0, b.top(), 0, b.bottom());
        g.setColorAt(0, QColor(0xf2, 0xf2, 0xf2));
        g.setColorAt(1, QColor(0xdc, 0xdc, 0xdc));
        p.setPen(QColor(0xb0, 0xb0, 0xb0));
        p.setBrush(g);
        p.drawRect(b);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x30, 0x30));
        const QPointF c = b.center();
        p.drawPolygon(QPolygonF({c + QPointF(-4, -2), c + QPointF(4, -2), c + QPointF(0, 2.5)}));
    }
}

void check(QPainter& p, const QPointF& at, const QString& caption, bool checked, bool radio)
{
    const QRectF box(at.x(), at.y() + 2, 13, 13);
    p.setPen(QColor(0x8e, 0x8f, 0x8f));
    p.setBrush(Qt::white);
    if (radio)
        p.drawEllipse(box);
    else
        p.drawRect(box);
    if (checked) {
        if (radio) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2a, 0x62, 0x9e));
            p.drawEllipse(box.center(), 3.5, 3.5);
        } else {
            p.setPen(QPen(QColor(0x22, 0x44, 0x77), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({box.topLeft() + QPointF(3, 6.5), box.topLeft() + QPointF(5.5, 9.5),
                                      box.topLeft() + QPointF(10, 3.5)}));
        }
    }
    label(p, QRectF(at.x() + 19, at.y(), 300, 17), caption);
}

void groupBox(QPainter& p, const QRectF& rect, const QString& title, const QColor& back)
{
    p.setPen(QColor(0xd5, 0xdf, 0xe5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(rect, 3, 3);
    p.setFont(ui(12, true));
    const double w = QFontMetricsF(p.font()).horizontalAdvance(title);
    p.fillRect(QRectF(rect.left() + 8, rect.top() - 8, w + 8, 16), back);
    label(p, QRectF(rect.left() + 12, rect.top() - 9, w + 4, 18), title, Qt::AlignLeft | Qt::AlignVCenter, brand, true);
}

void field(QPainter& p, double x, double y, double labelWidth, double fieldWidth, const QString& caption,
           const QString& value, const QString& unit)
{
    label(p, QRectF(x, y, labelWidth, 21), caption);
    edit(p, QRectF(x + labelWidth, y, fieldWidth, 21), value, true);
    if (!unit.isEmpty())
        label(p, QRectF(x + labelWidth + fieldWidth + 5, y, 80, 21), unit, Qt::AlignLeft | Qt::AlignVCenter,
              QColor(0x50, 0x50, 0x50));
}

void heading(QPainter& p, const QRectF& rect, const QString& title, const QString& subtitle)
{
    QLinearGradient g(rect.topLeft(), rect.topRight());
    g.setColorAt(0, brand);
    g.setColorAt(1, QColor(0x3f, 0x9f, 0x7f));
    p.fillRect(rect, g);
    label(p, rect.adjusted(12, 0, -12, 0), title, Qt::AlignLeft | Qt::AlignVCenter, Qt::white, true, 15);
    if (!subtitle.isEmpty())
        label(p, rect.adjusted(12, 0, -12, 0), subtitle, Qt::AlignRight | Qt::AlignVCenter, QColor(0xe0, 0xf0, 0xea), false,
              12);
}

void financeTabs(QPainter& p, int active)
{
    const QRectF first = r(financeTab(0));
    p.setPen(border);
    p.drawLine(QPointF(kContent.x + 4, first.bottom()), QPointF(kContent.x + kContent.w - 4, first.bottom()));
    for (int i = 0; i < FinanceTabCount; ++i) {
        QRectF t = r(financeTab(i));
        if (i == active)
            t.adjust(-2, -3, 2, 0.5);
        QLinearGradient g(0, t.top(), 0, t.bottom());
        g.setColorAt(0, i == active ? Qt::white : QColor(0xf3, 0xf3, 0xf3));
        g.setColorAt(1, i == active ? Qt::white : QColor(0xe1, 0xe3, 0xe6));
        p.setPen(border);
        p.setBrush(g);
        QPainterPath path;
        path.moveTo(t.bottomLeft());
        path.lineTo(t.left(), t.top() + 3);
        path.quadTo(t.topLeft(), QPointF(t.left() + 3, t.top()));
        path.lineTo(t.right() - 3, t.top());
        path.quadTo(t.topRight(), QPointF(t.right(), t.top() + 3));
        path.lineTo(t.bottomRight());
        p.drawPath(path);
        if (i == active)
            p.fillRect(QRectF(t.left() + 1, t.bottom() - 1, t.width() - 1, 2.5), Qt::white);
        label(p, t, QString::fromUtf8(kFinanceTabCaptions[i]), Qt::AlignCenter, text, i == active);
    }
}

void grid(QPainter& p, const QRectF& rect, const std::vector<Column>& cols, const std::vector<QStringList>& rows,
          const std::vector<int>& bold, double rowHeight)
{
    p.setPen(border);
    p.setBrush(Qt::white);
    p.drawRect(rect);
    const double headerH = 22;
    QLinearGradient g(0, rect.top(), 0, rect.top() + headerH);
    g.setColorAt(0, QColor(0xfa, 0xfb, 0xfc));
    g.setColorAt(1, QColor(0xe6, 0xea, 0xef));
    p.fillRect(QRectF(rect.left() + 1, rect.top() + 1, rect.width() - 1, headerH), g);
    double x = rect.left();
    for (const Column& c : cols) {
        label(p, QRectF(x + 5, rect.top(), c.width - 10, headerH), c.title,
              (c.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, QColor(0x20, 0x30, 0x40), true, 11.5);
        x += c.width;
        p.setPen(QColor(0xd8, 0xdd, 0xe3));
        p.drawLine(QPointF(x, rect.top() + 3), QPointF(x, rect.bottom() - 1));
    }
    p.setPen(QColor(0xc8, 0xce, 0xd6));
    p.drawLine(QPointF(rect.left(), rect.top() + headerH), QPointF(rect.right(), rect.top() + headerH));
    double y = rect.top() + headerH + 1;
    for (size_t i = 0; i < rows.size() && y + rowHeight <= rect.bottom(); ++i, y += rowHeight) {
        const bool isBold = std::find(bold.begin(), bold.end(), int(i)) != bold.end();
        if (i % 2 == 1)
            p.fillRect(QRectF(rect.left() + 1, y, rect.width() - 1, rowHeight), QColor(0xf5, 0xf8, 0xf7));
        if (isBold)
            p.fillRect(QRectF(rect.left() + 1, y, rect.width() - 1, rowHeight), brandLight);
        x = rect.left();
        for (size_t c = 0; c < cols.size() && c < size_t(rows[i].size()); ++c) {
            const QString& s = rows[i][int(c)];
            const bool negative = s.startsWith(QLatin1Char('-')) && s.size() > 1;
            label(p, QRectF(x + 5, y, cols[c].width - 10, rowHeight), s,
                  (cols[c].right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                  negative ? QColor(0xb0, 0x20, 0x20) : text, isBold, 11.5);
            x += cols[c].width;
        }
    }
}

QString num(double v, int decimals)
{
    const bool neg = v < 0 && std::round(std::abs(v) * std::pow(10, decimals)) > 0;
    double a = std::abs(v);
    const double scale = std::pow(10.0, decimals);
    const long long whole = (long long)std::floor(std::round(a * scale) / scale);
    const long long frac = (long long)std::llround(a * scale) - whole * (long long)scale;
    QString w = QString::number(whole);
    for (int i = w.size() - 3; i > 0; i -= 3)
        w.insert(i, QLatin1Char('.'));
    if (decimals > 0)
        w += QLatin1Char(',') + QStringLiteral("%1").arg(frac, decimals, 10, QLatin1Char('0'));
    return neg ? QLatin1Char('-') + w : w;
}

void barChart(QPainter& p, const QRectF& rect, const QString& title, const std::vector<double>& bars,
              const QStringList& labels, const QColor& barColor, const std::vector<double>& line,
              const QColor& lineColor, const QString& unit)
{
    p.setPen(QColor(0xd0, 0xd6, 0xdc));
    p.setBrush(Qt::white);
    p.drawRect(rect);
    label(p, QRectF(rect.left() + 10, rect.top() + 4, rect.width() - 20, 20), title, Qt::AlignLeft | Qt::AlignVCenter,
          QColor(0x20, 0x30, 0x40), true, 12.5);
    const QRectF plot = rect.adjusted(58, 32, line.empty() ? -14 : -58, -26);
    double lo = 0, hi = 0;
    for (double v : bars) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    const double ticks = std::clamp(plot.height() / 32, 2.0, 6.0);
    auto niceStep = [ticks](double range) {
        const double raw = range / ticks;
        const double mag = std::pow(10, std::floor(std::log10(raw)));
        for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
            if (m * mag >= raw)
                return m * mag;
        return 10 * mag;
    };
    double step = niceStep(hi - lo);
    lo = std::floor(lo / step) * step;
    hi = std::ceil(hi / step) * step;
    auto yOf = [&](double v) { return plot.bottom() - (v - lo) / (hi - lo) * plot.height(); };
    p.setFont(ui(10.5));
    for (double v = lo; v <= hi + step / 2; v += step) {
        p.setPen(QPen(QColor(0xe4, 0xe8, 0xec), 1));
        p.drawLine(QPointF(plot.left(), yOf(v)), QPointF(plot.right(), yOf(v)));
        label(p, QRectF(rect.left() + 2, yOf(v) - 8, 52, 16), num(v), Qt::AlignRight | Qt::AlignVCenter,
              QColor(0x50, 0x58, 0x60), false, 10.5);
    }
    if (!unit.isEmpty())
        label(p, QRectF(rect.left() + 2, plot.top() - 20, 60, 14), unit, Qt::AlignRight | Qt::AlignVCenter,
              QColor(0x50, 0x58, 0x60), false, 10.5);
    const double slot = plot.width() / bars.size();
    for (size_t i = 0; i < bars.size(); ++i) {
        const double x = plot.left() + i * slot + slot * 0.18;
        const double y0 = yOf(0), y1 = yOf(bars[i]);
        QLinearGradient g(x, 0, x + slot * 0.64, 0);
        const QColor c = bars[i] < 0 ? QColor(0xc8, 0x4b, 0x3b) : barColor;
        g.setColorAt(0, c.lighter(118));
        g.setColorAt(1, c);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(QRectF(x, std::min(y0, y1), slot * 0.64, std::abs(y1 - y0)));
        if (i < size_t(labels.size()) && (bars.size() <= 12 || i % 2 == 0))
            label(p, QRectF(plot.left() + i * slot - 10, plot.bottom() + 3, slot + 20, 16), labels[int(i)],
                  Qt::AlignHCenter | Qt::AlignTop, QColor(0x50, 0x58, 0x60), false, 10.5);
    }
    p.setPen(QPen(QColor(0x80, 0x88, 0x90), 1));
    p.drawLine(QPointF(plot.left(), yOf(0)), QPointF(plot.right(), yOf(0)));
    if (!line.empty()) {
        double llo = 0, lhi = 0;
        for (double v : line) {
            llo = std::min(llo, v);
            lhi = std::max(lhi, v);
        }
        const double lstep = niceStep(lhi - llo);
        llo = std::floor(llo / lstep) * lstep;
        lhi = std::ceil(lhi / lstep) * lstep;
        auto ly = [&](double v) { return plot.bottom() - (v - llo) / (lhi - llo) * plot.height(); };
        for (double v = llo; v <= lhi + lstep / 2; v += lstep)
            label(p, QRectF(plot.right() + 4, ly(v) - 8, 52, 16), num(v), Qt::AlignLeft | Qt::AlignVCenter, lineColor,
                  false, 10.5);
        QPolygonF poly;
        for (size_t i = 0; i < line.size(); ++i)
            poly << QPointF(plot.left() + (i + 0.5) * slot, ly(line[i]));
        p.setPen(QPen(lineColor, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(poly);
        p.setPen(QPen(Qt::white, 1.2));
        p.setBrush(lineColor);
        for (const QPointF& pt : poly)
            p.drawEllipse(pt, 3, 3);
    }
}

void roofWithModules(QPainter& p, const QRectF& rect, int cols, int rows)
{
    p.save();
    p.setClipRect(rect);
    QLinearGradient sky(0, rect.top(), 0, rect.bottom());
    sky.setColorAt(0, QColor(0x9c, 0xc7, 0xeb));
    sky.setColorAt(1, QColor(0xe4, 0xf0, 0xfa));
    p.fillRect(rect, sky);
    // Wall and roof of a house seen from the south.
    const double l = rect.left(), t = rect.top(), w = rect.width(), h = rect.height();
    const double eaves = t + h * 0.72, ridge = t + h * 0.16;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7d, 0xa8, 0x5a));
    p.drawRect(QRectF(l, t + h * 0.93, w, h * 0.07));
    p.setBrush(pal::wall);
    p.drawRect(QRectF(l + w * 0.08, eaves, w * 0.84, h * 0.22));
    p.setBrush(QColor(0xd9, 0xcc, 0xb6));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(l + w * (0.14 + i * 0.2), eaves + h * 0.06, w * 0.09, h * 0.1));
    QPolygonF roof({QPointF(l + w * 0.04, eaves), QPointF(l + w * 0.96, eaves), QPointF(l + w * 0.88, ridge),
                    QPointF(l + w * 0.12, ridge)});
    p.setBrush(pal::roofRed);
    p.drawPolygon(roof);
    p.setPen(QPen(QColor(0x8a, 0x35, 0x24), 1));
    for (int i = 1; i < 14; ++i) {
        const double v = i / 14.0;
        p.drawLine(bilinear(roof, 0.02, 1 - v), bilinear(roof, 0.98, 1 - v));
    }
    const QPolygonF field({bilinear(roof, 0.14, 0.90), bilinear(roof, 0.86, 0.90), bilinear(roof, 0.86, 0.10),
                           bilinear(roof, 0.14, 0.10)});
    for (int rr = 0; rr < rows; ++rr)
        for (int c = 0; c < cols; ++c) {
            const double u0 = (c + 0.04) / cols, u1 = (c + 0.96) / cols;
            const double v0 = (rr + 0.05) / rows, v1 = (rr + 0.95) / rows;
            pvModule(p,
                     QPolygonF({bilinear(field, u0, 1 - v0), bilinear(field, u1, 1 - v0), bilinear(field, u1, 1 - v1),
                                bilinear(field, u0, 1 - v1)}),
                     6, 10, pal::cell);
        }
    // Chimney.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8c, 0x4a, 0x3a));
    p.drawRect(QRectF(l + w * 0.74, ridge - h * 0.08, w * 0.05, h * 0.1));
    p.restore();
}

} // namespace picgen::screen
