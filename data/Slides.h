#pragma once

// The slide pictures of the two presentations, drawn by the picture generator
// as "slides/<file>" (2000 x 1445 pixels each) and shown by the presentation
// frames.
namespace tandrel::pictures::slides {

inline constexpr int kWidth = 2000;
inline constexpr int kHeight = 1445;

inline constexpr char kSolartechnik1[] = "slides/solartechnik1";
inline constexpr char kSolartechnik2[] = "slides/solartechnik2";
inline constexpr char kSolartechnik3[] = "slides/solartechnik3";
inline constexpr char kSolartechnik4[] = "slides/solartechnik4";
inline constexpr char kSolartechnik5[] = "slides/solartechnik5";
inline constexpr char kSolartechnik6[] = "slides/solartechnik6";
inline constexpr char kEeg[] = "slides/eeg";
inline constexpr char kEegEigenverbrauch[] = "slides/eeg-eigenverbrauch";
inline constexpr char kEigenverbrauchSchema[] = "slides/eigenverbrauch-schema";
inline constexpr char kEigenverbrauchsregelung[] = "slides/eigenverbrauchsregelung";
inline constexpr char kEinspeiseverguetung2011[] = "slides/einspeiseverguetung2011";
inline constexpr char kEigenverbrauchAbrechnung[] = "slides/eigenverbrauch-abrechnung";
inline constexpr char kKev[] = "slides/kev";
inline constexpr char kKevTabelle[] = "slides/kev-tabelle";
inline constexpr char kKevLaufzeit[] = "slides/kev-laufzeit";
inline constexpr char kGlobalstrahlungSchweiz[] = "slides/globalstrahlung-schweiz";

inline constexpr const char* kAll[] = {
    kSolartechnik1, kSolartechnik2, kSolartechnik3, kSolartechnik4, kSolartechnik5, kSolartechnik6,
    kEeg, kEegEigenverbrauch, kEigenverbrauchSchema, kEigenverbrauchsregelung, kEinspeiseverguetung2011,
    kEigenverbrauchAbrechnung, kKev, kKevTabelle, kKevLaufzeit, kGlobalstrahlungSchweiz,
};

} // namespace tandrel::pictures::slides
