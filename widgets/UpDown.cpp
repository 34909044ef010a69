#include "widgets/UpDown.h"

#include "drawing/Rounding.h"
#include "text/NumberParse.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

TUpDown::TUpDown(const QString& name, int min, int max, QWidget* parent)
    : QWidget(parent)
    , m_min(min)
    , m_max(max)
    , m_position(min)
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto arrow = [this, layout](Qt::ArrowType type, const char* suffix, int delta) {
        auto* b = new QToolButton(this);
        b->setObjectName(objectName() + QString::fromLatin1(suffix));
        b->setArrowType(type);
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
        // The edit beside it is the Tab stop; the arrows are for the mouse.
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this, delta] { Step(delta); });
        layout->addWidget(b);
    };
    arrow(Qt::UpArrow, "Up", 1);
    arrow(Qt::DownArrow, "Down", -1);
    setFixedSize(16, 22);
}

void TUpDown::SetPosition(int position)
{
    m_position = std::clamp(position, m_min, m_max);
}

void TUpDown::Step(int delta)
{
    if (m_edit)
        if (const auto typed = TryTypedToFloat(m_edit->text()))
            SetPosition(RoundToInt(*typed));
    SetPosition(m_position + delta);
    if (m_edit)
        m_edit->setText(QString::number(m_position));
    if (OnClick)
        OnClick();
}
