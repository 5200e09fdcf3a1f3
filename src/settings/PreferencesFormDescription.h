#pragma once
// The Preferences dialog's description: constant data, read while the window is built.
#include "framework/FormDescription.h"
#include "settings/StoredSettings.h"
#include "settings/Unit5.h"
#include "shared/FormParts.h"

namespace forms::preferences_form {

using namespace fw;

inline constexpr std::string_view kActionTexts[] = {settings::kActionTextNone, settings::kActionTextScreen,
                                                    settings::kActionTextPicker};

inline constexpr std::array<TControlDesc, 7> kOwnControls = {{
    {.name = "chkMinimizeClose",
     .field = Field<&TFormPreferences::chkMinimizeClose>,
     .kind = TControlKind::CheckBox,
     .left = 40,
     .top = 66,
     .width = 269,
     .height = 17,
     .text = "Minimize to tray instead of closing",
     .hint = "Should Huetrove minimize to tray or close when you click on 'X' button in the title bar",
     .tabOrder = 1},
    {.name = "chkSystemStartup",
     .field = Field<&TFormPreferences::chkSystemStartup>,
     .kind = TControlKind::CheckBox,
     .left = 40,
     .top = 86,
     .width = 271,
     .height = 17,
     .text = "Launch on system startup",
     .hint = "Launch Huetrove automaticaly when the system starts",
     .tabOrder = 2},
    TextLabel("Label2", 40, 132, 233, "Action to take when double-clicked on tray icon :"),
    {.name = "ActionBox",
     .field = Field<&TFormPreferences::ActionBox>,
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
    Line("Bevel3", 20, 180, 289, 3),
    DialogButton({.name = "Button2",
                  .field = Field<&TFormPreferences::Button2>,
                  .left = 152,
                  .width = 73,
                  .text = "&Ok",
                  .tabOrder = 5,
                  .modalResult = mrOk}),
    // Both the Enter and the Escape button: a stray Enter never confirms by accident.
    DialogButton({.name = "Button1",
                  .field = Field<&TFormPreferences::Button1>,
                  .left = 234,
                  .width = 75,
                  .text = "&Cancel",
                  .tabOrder = 4,
                  .modalResult = mrCancel,
                  .isDefault = true,
                  .isCancel = true}),
}};

inline constexpr auto kControls = WithTitleBand({.label = Field<&TFormPreferences::Label1>}, kOwnControls);

}  // namespace forms::preferences_form

namespace forms {

inline constexpr fw::TFormDesc kPreferencesForm = TitledDialog({
    .name = "FormPreferences",
    .caption = " Preferences ...",
    .position = fw::TPosition::poScreenCenter,
    .onActivate = fw::Handler<&TFormPreferences::FormActivate>,
    .controls = preferences_form::kControls,
});

static_assert(fw::PartsResolve(kPreferencesForm), "a name, field or command of the description does not fit");

}  // namespace forms
