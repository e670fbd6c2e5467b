#pragma once

namespace xantu {

// The font families the program asks for by name, each with the Debian
// package that installs it. Qt falls back silently to another face when one
// is missing, so the tests check this list against the installed families.
inline constexpr const char* kProportionalMincho = "IPAPMincho";  // the board's texts
inline constexpr const char* kMincho = "IPAMincho";               // fallback for the board's texts
inline constexpr const char* kGothic = "IPAPGothic";              // menus, boxes, the record panel

struct FontFace {
    const char* family;
    const char* package;
};

inline constexpr FontFace kFontFaces[] = {
    {kProportionalMincho, "fonts-ipafont-mincho"},
    {kMincho, "fonts-ipafont-mincho"},
    {kGothic, "fonts-ipafont-gothic"},
};

}  // namespace xantu
