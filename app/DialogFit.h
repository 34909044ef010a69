#pragma once

#include <QRect>
#include <QSize>

class QDialog;
class QLayout;
class QWidget;

// No dialog grows past this, nor past the screen it shows on: a laptop
// screen must show every dialog's buttons.
inline constexpr QSize kMaxDialogSize(1280, 720);

// The largest outer size a dialog may take on a screen's free area.
QSize DialogSizeLimit(const QRect& screenArea);

// Lays the dialog out as `content` in a scroll area with `buttons` below it,
// outside the scroll area, and keeps the dialog within the limit and on the
// screen every time it is shown.
void FitDialogToScreen(QDialog* dialog, QWidget* content, QLayout* buttons);
// For a dialog laid out by hand: only the size and position are kept.
void FitDialogToScreen(QDialog* dialog);
