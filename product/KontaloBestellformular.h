#pragma once

#include "pdf/PdfWriter.h"

#include <QString>
#include <functional>

// The customer's fields as the address book shows them.
struct MKontaloKunde {
    QString Name1, Name2, Strasse, Plz, Ort, Tel, Fax, EMail, Bemerkung1, Bemerkung2;
};

// Longest text of one field put on the form; the rest is cut off.
inline constexpr int kKontaloFeldMax = 200;

// The texts of a field as the form prints it: line breaks and other control
// characters become blanks, the length is capped.
QString KontaloFormText(const QString& field);

// Draws the order form on the open document's first page (millimetres from
// the top left). `progress` receives 40 and 60 on the way. Missing logos are
// left out.
// Built-in logos go in as their stored bytes.
void DrawKontaloBestellformular(PdfWriter& pdf, const MKontaloKunde& kunde, const PdfPicture& produktLogo,
                                const PdfPicture& herstellerLogo, const std::function<void(int)>& progress = {});
