#pragma once

#include "platform/ColorRef.h"
#include "text/NumberParse.h"

#include <QImage>
#include <QString>

class QLineEdit;
class QTabWidget;
class QLabel;
class QWidget;

// The maker's web site, opened for an empty OpenURL target.
extern const char* const kMakerWebSite;

// The edit's text as a number; 0 when it is no number.
double EditToFloat(const QLineEdit* edit);
// Opens a web address, mail link or document through the shell; reports
// "Fehler beim Ausführen der Internet-Verknüpfung!" on failure.
void OpenURL(const QString& target);
// Writes a mail to the address; an empty address opens nothing.
void OpenMail(const QString& address);
// Starts the desktop's calculator, or tells the user why it cannot.
void StartCalculator();
// Today in the locale's short format, with a four-digit year.
QString TodayText();
// The maker line at the foot of a printed document.
QString MakerLine();
// The Windows version table; "Unbekannte Version" on other systems.
QString WindowsVersionName();
enum class WinPlatform { Win9x, NT, Other };
// The same table for a given platform line and version numbers.
QString WindowsVersionName(WinPlatform platform, int major, int minor);
// Lightens every pixel: c := 255 - round(factor * (255 - c)), ties to even;
// untouched for factor > 0.98.
void LightenBitmap(QImage& image, double factor);
// Replaces the label's picture by a 32-bit copy of it.
void ImageTo32BitBitmap(QLabel* image);
// 1 for a missing control or an index out of range, else selects the page, 0.
int SelectPage(QTabWidget* pages, int index);
// Fills the widget's background with the colour: panels, dialogs, colour
// shapes and drawing backgrounds all take their colour through this.
void SetPanelColor(QWidget* widget, tandrel::platform::ColorRef color);
bool DirectoryExistsCheck(const QString& path);
