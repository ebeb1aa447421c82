#pragma once
// The windows name the faces they were designed with ("MS Sans Serif",
// "Arial", "Papyrus"). Debian has none of them, so each gets close faces that
// are there, tried in order; without this Qt may pick a face that lacks the
// glyphs or looks nothing like the design.
namespace pellumo {

inline constexpr const char* kDialogFace = "MS Sans Serif";
inline constexpr const char* kScoreFace = "Arial";
inline constexpr const char* kLogoFace = "Papyrus";

// Call once, after the application object exists.
void InstallFontSubstitutes();

}  // namespace pellumo
