#pragma once

#include <QString>

class QWidget;

// Dialogs keep their last position as "left" and "top" in their own section.
void RestoreDialogPosition(QWidget* dialog, const QString& section, int defaultLeft, int defaultTop);
// Writes the position; a failure is reported to the user and the caller goes on.
void SaveDialogPosition(const QWidget* dialog, const QString& section);
