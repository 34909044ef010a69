#pragma once

#include <QPainter>

// Button glyphs drawn in a 100 x 100 box; the start page and the top bar
// draw them at their own sizes.
namespace picgen::glyph {

void house3D(QPainter& p);
void pvPlant(QPainter& p);
void kev(QPainter& p);
void selfConsumption(QPainter& p);
void customerFolder(QPainter& p);
void addressBook(QPainter& p);
void arrow(QPainter& p, bool forward);
void overview(QPainter& p);
void kontalo(QPainter& p);
void info(QPainter& p);
void exit(QPainter& p);

} // namespace picgen::glyph
