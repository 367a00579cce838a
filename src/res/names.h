// Names that stay the same in every language: the program's, the settings store's, the version
// (the one place it is written: the build and the package read it from here) and the dialogs'
// font.
#pragma once

namespace Text {

inline constexpr char kAppName[] = "Vantrel";
// The word that names the per-user settings store and data folder, beside the application name.
inline constexpr char kRegistryKey[] = "Halvorn";
inline constexpr char kAboutVersion[] = "Vantrel Version 3.30";
inline constexpr char kProgramName[] = "vantrel";
inline constexpr char kDialogFont[] = "ＭＳ Ｐゴシック";

}  // namespace Text
