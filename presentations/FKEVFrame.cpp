#include "presentations/FKEVFrame.h"

TKEVFrame::TKEVFrame(QWidget* parent) : TEigenverbrauchFrame(KEVConfig(), parent) {}
