#include "app/AppStyle.h"

#include <QPainter>
#include <algorithm>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QToolButton>

TAppStyle::TAppStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
    setObjectName(QStringLiteral("TAppStyle"));
}

void TAppStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (auto* arrow = qobject_cast<QToolButton*>(widget); arrow && qobject_cast<QTabBar*>(arrow->parentWidget()))
        arrow->setFocusPolicy(Qt::NoFocus);
}

void TAppStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->save();
    painter->fillRect(bar->rect, QColor::fromRgb(kTrackColor));
    // A bar too short for a handle beside its arrows (an up-down) shows the arrows only.
    const QRect groove = subControlRect(control, bar, SC_ScrollBarGroove, widget);
    const int grooveLength = bar->orientation == Qt::Horizontal ? groove.width() : groove.height();
    if ((bar->subControls & SC_ScrollBarSlider) && bar->maximum > bar->minimum && grooveLength >= 24) {
        QRect handle = subControlRect(control, bar, SC_ScrollBarSlider, widget).intersected(groove);
        handle = bar->orientation == Qt::Horizontal ? handle.adjusted(1, 2, -1, -2) : handle.adjusted(2, 1, -2, -1);
        QRgb colour = kHandleColor;
        if ((bar->activeSubControls & SC_ScrollBarSlider) && (bar->state & State_Sunken))
            colour = kHandlePressedColor;
        else if ((bar->activeSubControls & SC_ScrollBarSlider) && (bar->state & State_MouseOver))
            colour = kHandleHoverColor;
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor::fromRgb(colour));
        const qreal radius = std::min(handle.width(), handle.height()) / 2.5;
        painter->drawRoundedRect(QRectF(handle), radius, radius);
        painter->setRenderHint(QPainter::Antialiasing, false);
    }
    // The arrows as Fusion draws them, on the light track.
    QStyleOptionSlider arrows(*bar);
    arrows.subControls = bar->subControls & (SC_ScrollBarAddLine | SC_ScrollBarSubLine);
    if (arrows.subControls)
        QProxyStyle::drawComplexControl(control, &arrows, painter, widget);
    painter->restore();
}
