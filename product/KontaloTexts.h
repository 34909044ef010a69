#pragma once

#include <QString>

// The German texts of the Kontalo brochure.
namespace kontalo_texts {

// The description page (simple rich text).
QString Beschreibung();
// The introduction of the procedure page.
QString VorgehenEinleitung();
// The captions of the four step pictures.
QString Schritt(int index);
// The short marketing memo in the left column.
QString Werbetext();
// The caption under the test picture.
QString TestHinweis();
// The sentence at the foot of the order form.
QString BestellHinweis();

} // namespace kontalo_texts
