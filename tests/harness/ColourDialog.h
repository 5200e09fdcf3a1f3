#pragma once
// Control ids of the system colour dialog's template, by which tests find its parts.

namespace harness::colour_dialog {

inline constexpr int kRedEdit = 706;
inline constexpr int kGreenEdit = 707;
inline constexpr int kBlueEdit = 708;
inline constexpr int kAddToCustom = 712;
inline constexpr int kDefineCustom = 719;
inline constexpr int kBasicColors = 720;
inline constexpr int kCustomColors = 721;
inline constexpr int kHelpButton = 1038;

}  // namespace harness::colour_dialog
