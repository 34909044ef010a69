#pragma once

#include "drawing/FBaseGraphicFrame.h"

#include <QLine>
#include <QRect>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

// One ruler tick in device pixels.
struct TRulerTick {
    double World = 0;
    int Pos = 0;     // device x (horizontal ruler) or y (vertical ruler)
    QString Label;   // empty for half-step ticks
};

// Both rulers of a view whose paint area is W pixels wide (the scroll box's
// client width) and H pixels high (the frame's client height).
struct TRulerLayout {
    double Step = 1;
    int HorzCount = 0, VertCount = 0;
    std::vector<TRulerTick> HorzTicks, HorzHalfTicks;
    std::vector<TRulerTick> VertTicks, VertHalfTicks;
};

// What the rulers draw, in device pixels: the two boxes, the tick lines and
// the labels with the rectangles their texts take.
struct TRulerMarks {
    QRect HorzBox, VertBox;
    std::vector<QLine> Lines;
    std::vector<std::pair<QRect, QString>> Labels;
};

// A graphic frame with rulers and the edit commands.
class TGraphicFrame : public TBaseGraphicFrame {
    Q_OBJECT
public:
    explicit TGraphicFrame(QWidget* parent = nullptr);

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;

    // 1, 3, 5, 6: nothing; 2: the model report message; 4, 7: delete the
    // selection; 8: select all.
    void EditCommand1() override {}
    void EditCommand2() override;
    void EditCommand3() override {}
    void EditCommand4() override { DeleteSelected(); }
    void EditCommand5() override {}
    void EditCommand6() override {}
    void EditCommand7() override { DeleteSelected(); }
    void EditCommand8() override;
    bool CanEditCommand1() override { return false; }
    bool CanEditCommand2() override { return false; }
    bool CanEditCommand3() override { return false; }
    bool CanEditCommand4() override;
    bool CanEditCommand5() override { return false; }
    bool CanEditCommand6() override { return false; }
    bool CanEditCommand7() override;
    bool CanEditCommand8() override;

    // The rulers.
    void DrawOverlay() override;
    static TRulerLayout ComputeRulers(const MVirtualView& view, int W, int H);
    // Places ticks and labels in the ruler boxes so that no tick crosses a
    // label; `textSize` measures a label.
    static TRulerMarks LayoutRulers(const TRulerLayout& rulers, int W, int H,
                                    const std::function<QSize(const QString&)>& textSize);
    // The part of a W x H paint area beside and below the rulers.
    static QRect DrawingArea(int W, int H);
    // Ticks beyond this count are not drawn.
    static constexpr int kMaxTicks = 10'000;

    tandrel::platform::ColorRef StoredBackColor = 0;

protected:
    // The embedded frames keep their background colour in a section of their own.
    void LoadStoredBackColor(const char* section, tandrel::platform::ColorRef def);
    void SaveBackColor(const char* section);
    // A new model whose view fits the paint box, with matching scroll ranges.
    MPVModelRep& CreateFittedModel();

private:
    void DeleteSelected();
};
