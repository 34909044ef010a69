#pragma once

// The built-in picture catalogue of the workspace object, in catalogue order.
// Shared by the picture generator (which draws catalogue/<file>.png for every
// item) and the program (which fills its catalogue from it).

namespace tandrel::pictures {

struct CatalogueItem {
    int id;
    const char* file;  // resource name below "catalogue/", without ".png"
    const char* hint;  // description "|" source (UTF-8)
    bool showHint;
};

inline constexpr CatalogueItem kCatalogue[] = {
    // Partner company logos: the hint is the company name.
    {20001, "20001", "Sonnenwerk Albrecht GmbH", true},
    {20004, "20004", "Dachstrom Berger KG", true},
    {20008, "20008", "Helios Haustechnik Riedl", true},
    {20012, "20012", "Solarbau Nordlicht Jansen", true},
    {20019, "20019", "Norvi GmbH", true},
    {20023, "20023", "Lichtfeld Energie eG", true},
    {20031, "20031", "Sonnenhof Solartechnik Maier", true},
    {20038, "20038", "Kessler Sonnentechnik", true},
    {20046, "20046", "Strahlkraft Solar Hübner GmbH", true},
    {20052, "20052", "Elbsonne Energiesysteme", true},
    {20067, "20067", "Mittagssonne Dachtechnik Vogt", true},
    {20074, "20074", "Sonnenfänger Bayern GmbH", true},
    {20088, "20088", "Wattmeister Solarhandel Krause", true},
    {20095, "20095", "Firstlicht Photovoltaik", true},
    {20103, "20103", "Heliorand Weserbergland", true},
    {20117, "20117", "Sonnendach Franke & Söhne", true},
    {20124, "20124", "Solarkontor Brinkmann Hanse", true},
    {20139, "20139", "Zenitlicht Allgäu", true},
    {20145, "20145", "Ostwind & Sonne Petersen", true},
    {20158, "20158", "Lumenhof Energietechnik", true},
    {20166, "20166", "Kraftdach Schwaben KG", true},
    {20177, "20177", "Sonnenzeit Solarservice Roth", true},
    {20191, "20191", "Photon Handelshaus Lindner", true},
    // An older logo of the same company; lookups by ID never reach it.
    {20191, "20191-alt", "Photon Handelshaus Lindner Süd", true},
    {20203, "20203", "Solarpark Rhön Vertrieb", true},
    // The module maker of the roof planner's catalogue.
    {20220, "20220", "Solar Industries AG", true},
    // The maker, the software brand and the sibling product.
    {20, "20", "Norvi|Norvi GmbH", true},
    {10, "10", "Pravik|Norvi GmbH", true},
    {30, "30", "", false},
    // Product photo of a roof-integrated PV and solar-thermal system.
    {1160, "1160", "Indach-Kombisystem Photovoltaik und Solarthermie|Helvarion Dachsysteme GmbH", true},
    // Sun pictures.
    {2100, "2100", "|Norvi GmbH", false},
    {2210, "2210", "Sonne|Norvi GmbH", true},
    // Backgrounds, 800 x 600.
    {3110, "3110", "Hintergrund Glasmuster|Norvi GmbH", true},
    {3120, "3120", "Hintergrund Himmel|Norvi GmbH", true},
    {3130, "3130", "Hintergrund Sonne|Norvi GmbH", true},
    {3140, "3140", "Hintergrund Himmel|Norvi GmbH", true},
    {3150, "3150", "Hintergrund Perlen|Norvi GmbH", true},
    {3170, "3170", "Hintergrund Himmel und Wolken|Norvi GmbH", true},
    {3180, "3180", "Hintergrund diffuse Sonne|Norvi GmbH", true},
    {3190, "3190", "Hintergrund PV-Anlage|Norvi GmbH", true},
    {3200, "3200", "Kontalo", true},
    // House symbols.
    {4300, "4300", "Haus|Norvi GmbH", true},
    {4312, "4312", "Kühlschrank|Norvi GmbH", true},
    {4314, "4314", "Lampe|Norvi GmbH", true},
    {4316, "4316", "Waschmaschine|Norvi GmbH", true},
    {4320, "4320", "Zähler|Norvi GmbH", true},
    {4322, "4322", "Module (Solarstrom)|Norvi GmbH", true},
    {4340, "4340", "Kollektoren (Solarwärme)|Norvi GmbH", true},
};

} // namespace tandrel::pictures
