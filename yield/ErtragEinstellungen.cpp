#include "yield/ErtragEinstellungen.h"

const MSettingsFields<MErtragEinstellungen>& ErtragEinstellungsFelder()
{
    using E = MErtragEinstellungen;
    static const E d;
    static const MSettingsFields<E> fields = {
        {QStringLiteral("InbetriebnahmejahrIndex"), &E::InbetriebnahmejahrIndex, d.InbetriebnahmejahrIndex},
        {QStringLiteral("SpezifischerErtragIndex"), &E::SpezifischerErtragIndex, d.SpezifischerErtragIndex},
        {QStringLiteral("Eigenverbrauchsanteil"), &E::Eigenverbrauchsanteil, d.Eigenverbrauchsanteil},
        {QStringLiteral("Stompreis"), &E::Stompreis, d.Stompreis},
        {QStringLiteral("Aktualisierungsstand"), &E::Aktualisierungsstand, d.Aktualisierungsstand},
        {QStringLiteral("ColorLasche"), &E::ColorLasche, d.ColorLasche},
        {QStringLiteral("ColorSeite"), &E::ColorSeite, d.ColorSeite},
    };
    return fields;
}
