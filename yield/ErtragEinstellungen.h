#pragma once

#include "app/SettingsFields.h"
#include "yield/TarifTabelle.h"

#include <QString>
#include <cstdint>

// The yield frame's parameters as stored under "ErtragFrame" beside the
// tariff rates: the three list choices (−1 for none), the price in cent per
// kWh, the date of the tariff table's state and two colours it only keeps.
struct MErtragEinstellungen {
    std::int32_t InbetriebnahmejahrIndex = 1;
    std::int32_t SpezifischerErtragIndex = 3;
    std::int32_t Eigenverbrauchsanteil = 3;
    std::int32_t Stompreis = 20;
    QString Aktualisierungsstand = BuiltInAktualisierungsstand();
    std::int32_t ColorLasche = 16182176;
    std::int32_t ColorSeite = 16182176;
};

// The stored values in storage order; a missing one reads as its default above.
const MSettingsFields<MErtragEinstellungen>& ErtragEinstellungsFelder();
