#pragma once

#include "data/KontaloScreens.h"

#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

// Desktop controls in the look of a Windows 7 program, for the screens of
// the finance software shown in the brochure.
namespace picgen::screen {

inline QRectF r(const tandrel::kontalo::Rect& x) { return QRectF(x.x, x.y, x.w, x.h); }

// Brand colours of the finance software.
inline const QColor brand{0x1f, 0x6f, 0x5c};
inline const QColor brandLight{0xdf, 0xee, 0xe8};
inline const QColor accent{0xe8, 0x72, 0x2c};
inline const QColor face{0xf0, 0xf0, 0xf0};
inline const QColor border{0xab, 0xad, 0xb3};
inline const QColor text{0x1e, 0x1e, 0x1e};
inline const QColor select{0xcc, 0xe8, 0xff};

QFont ui(double px = 12, bool bold = false);

// The application window with tool bar, project tree (one item selected,
// -1 for none) and status bar; the content area is left white.
void window(QPainter& p, const QString& title, int selectedTreeItem, const QString& statusText);
// Greys out what is drawn so far, for a modal dialog on top.
void dim(QPainter& p);
// A dialog frame with title bar; returns its client rectangle.
QRectF dialog(QPainter& p, const QRectF& outer, const QString& title);

void label(QPainter& p, const QRectF& rect, const QString& s, int align = Qt::AlignLeft | Qt::AlignVCenter,
           const QColor& color = text, bool bold = false, double px = 12);
void button(QPainter& p, const QRectF& rect, const QString& caption, bool isDefault = false);
void edit(QPainter& p, const QRectF& rect, const QString& value, bool rightAligned = false, bool combo = false);
void check(QPainter& p, const QPointF& at, const QString& caption, bool checked, bool radio = false);
void groupBox(QPainter& p, const QRectF& rect, const QString& title, const QColor& back = Qt::white);
// A caption and a field, label left and value right.
void field(QPainter& p, double x, double y, double labelWidth, double fieldWidth, const QString& caption,
           const QString& value, const QString& unit = {});
// A band with the page's heading.
void heading(QPainter& p, const QRectF& rect, const QString& title, const QString& subtitle = {});
// The tabs above the financing pages, one active.
void financeTabs(QPainter& p, int active);

struct Column {
    QString title;
    double width;
    bool right = true;
};
// A data grid; rows may be highlighted by giving their index in `bold`.
void grid(QPainter& p, const QRectF& rect, const std::vector<Column>& cols, const std::vector<QStringList>& rows,
          const std::vector<int>& bold = {}, double rowHeight = 19);

// German number text: thousands points, decimal comma.
QString num(double v, int decimals = 0);

// A bar chart with axes; values may be negative; an optional line (same
// count) drawn over the bars with its own right-hand scale.
void barChart(QPainter& p, const QRectF& rect, const QString& title, const std::vector<double>& bars,
              const QStringList& labels, const QColor& barColor, const std::vector<double>& line = {},
              const QColor& lineColor = accent, const QString& unit = {});

// A roof face seen from the front with a module field of cols x rows.
void roofWithModules(QPainter& p, const QRectF& rect, int cols, int rows);

} // namespace picgen::screen
