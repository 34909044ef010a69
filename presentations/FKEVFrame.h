#pragma once

#include "presentations/FEigenverbrauchFrame.h"

// Frame 1622: the Swiss cost-covering feed-in remuneration (KEV) as slides.
class TKEVFrame : public TEigenverbrauchFrame {
    Q_OBJECT
public:
    explicit TKEVFrame(QWidget* parent = nullptr);
};
