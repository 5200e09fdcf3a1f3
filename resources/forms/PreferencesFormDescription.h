#pragma once
// The Preferences dialog's description: constant data, read while the window is built.
#include "forms/SharedParts.h"
#include "framework/FormDescription.h"
#include "settings/SettingsRules.h"

namespace forms::preferences_form {

using namespace fw;

inline constexpr std::string_view kActionTexts[] = {settings::kActionTextNone, settings::kActionTextScreen,
                                                    settings::kActionTextPicker};

inline constexpr std::array<TControlDesc, 7> kOwnControls = {{
    {.name = "chkMinimizeClose",
     .kind = TControlKind::CheckBox,
     .left = 40,
     .top = 66,
     .width = 269,
     .height = 17,
     .text = "Minimize to tray instead of closing",
     .hint = "Should Huetrove minimize to tray or close when you click on 'X' button in the title bar",
     .tabOrder = 1},
    {.name = "chkSystemStartup",
     .kind = TControlKind::CheckBox,
     .left = 40,
     .top = 86,
     .width = 271,
     .height = 17,
     .text = "Launch on system startup",
     .hint = "Launch Huetrove automaticaly when the system starts",
     .tabOrder = 2},
    {.name = "Label2",
     .kind = TControlKind::Label,
     .left = 40,
     .top = 132,
     .width = 233,
     .height = 13,
     .text = "Action to take when double-clicked on tray icon :",
     .autoSize = true},
    {.name = "ActionBox",
     .kind = TControlKind::ComboBox,
     .left = 40,
     .top = 148,
     .width = 269,
     .height = 21,
     .text = settings::kActionTextNone,
     .hint = "What Huetrove should do when you double-click on the tray icon",
     .tabOrder = 3,
     .items = kActionTexts,
     .flat = true},
    {.name = "Bevel3", .kind = TControlKind::Bevel, .left = 20, .top = 180, .width = 289, .height = 3},
    {.name = "Button2",
     .kind = TControlKind::Button,
     .left = 152,
     .top = 196,
     .width = 73,
     .height = 25,
     .text = "&Ok",
     .tabOrder = 5,
     .modalResult = mrOk},
    // Both the Enter and the Escape button: a stray Enter never confirms by accident.
    {.name = "Button1",
     .kind = TControlKind::Button,
     .left = 234,
     .top = 196,
     .width = 75,
     .height = 25,
     .text = "&Cancel",
     .tabOrder = 4,
     .modalResult = mrCancel,
     .isDefault = true,
     .isCancel = true},
}};

inline constexpr auto kControls = Joined(kTitleBand, kOwnControls);

inline constexpr TFormDesc kDescription{
    .name = "FormPreferences",
    .caption = " Preferences ...",
    .border = TBorderStyle::bsToolWindow,
    .position = TPosition::poScreenCenter,
    .clientWidth = 327,
    .clientHeight = 233,
    .color = clBtnFace,
    .font = kTahoma8,
    .showHint = true,
    .onActivate = "FormActivate",
    .controls = kControls,
};

static_assert(PartsResolve(kDescription));

}  // namespace forms::preferences_form

namespace forms {
inline constexpr const fw::TFormDesc& kPreferencesForm = preferences_form::kDescription;
}  // namespace forms
