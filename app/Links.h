#pragma once

// Addresses the program links to, kept in one place.
namespace links {
inline constexpr const char* kProductWebSite = "https://www.norvi-software.de/tandrel";
inline constexpr const char* kSiblingProductWebSite = "https://www.norvi-software.de/kontalo";
inline constexpr const char* kMobileAppPage = "https://www.norvi-software.de/app";
inline constexpr const char* kFaqPage = "https://www.norvi-software.de/tandrel/faq";
inline constexpr const char* kSponsorWebSite = "https://www.sonnfeld-energiefonds.de";
inline constexpr const char* kSponsorName = "Sonnfeld Energiefonds";
inline constexpr const char* kMakerEmail = "info@norvi-software.de";
inline constexpr const char* kMakerWebAddress = "www.norvi-software.de";
inline constexpr const char* kMakerProductsPage = "https://www.norvi-software.de/produkte";
inline constexpr const char* kSiblingTestPage = "https://www.norvi-software.de/kontalo/testberichte";
inline constexpr const char* kSiblingOrderPage = "https://www.norvi-software.de/kontalo/bestellen";
// The maker's postal address and fax number (the fax number lies in the range
// kept free for fiction).
inline constexpr const char* kMakerName = "Norvi GmbH";
inline constexpr const char* kMakerStreet = "Lichtenbergstraße 14";
inline constexpr const char* kMakerPostcode = "80331";
inline constexpr const char* kMakerTown = "München";
inline constexpr const char* kMakerFax = "089 99998-129";
// Booking a company entry in the business directory.
inline constexpr const char* kDirectoryBookingPage = "https://www.norvi-software.de/Pravik/branchenbuch/adresseintragneu.php";
// The maker of the catalogue modules of the roof planner.
inline constexpr const char* kModuleMakerWebSite = "https://www.solarindustries-module.de";
// The maker's server with the tariff update page, and the Referer it expects.
inline constexpr const char* kTariffUpdateServer = "https://aktualisierung.norvi-software.de";
inline constexpr const char* kMakerRootAddress = "https://www.norvi-software.de/";
} // namespace links
