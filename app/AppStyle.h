#pragma once

#include <QProxyStyle>

// The program's look: Fusion, with scroll bars whose handle stands out
// clearly darker than its track; the scroll arrows of tab bars take no focus,
// so Tab goes from field to field.
class TAppStyle : public QProxyStyle {
    Q_OBJECT
public:
    TAppStyle();

    static constexpr QRgb kTrackColor = 0xFFE6E8EB;
    static constexpr QRgb kHandleColor = 0xFF7D838C;
    static constexpr QRgb kHandleHoverColor = 0xFF656B74;
    static constexpr QRgb kHandlePressedColor = 0xFF4E545C;

    using QProxyStyle::polish;
    void polish(QWidget* widget) override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};
