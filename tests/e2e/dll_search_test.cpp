// A folder that holds libraries named like the system's (a download folder, say) with a
// copy of the program: the program loads none of them, at start-up or on first use of
// the colour dialog and Preferences, or when a screen reader first asks. Among them are
// the theme and composition libraries, which the system's own libraries load by bare name.
// Wine prefers its own libraries to any file; it is told to prefer files for these names,
// as Windows would in the program's folder. Not for the version library: Wine's own
// advapi32 imports it, from the program's folder, before the program runs; Windows' does not.
#include <gtest/gtest.h>

#include <windows.h>

#include <initguid.h>  // before oleacc.h: it defines IID_IAccessible here
#include <oleacc.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "HuetroveDriver.h"

using namespace harness;
namespace fs = std::filesystem;

namespace {

constexpr const char* kPlanted[] = {"riched20.dll", "msftedit.dll", "comdlg32.dll", "oleacc.dll", "uxtheme.dll",
                                    "dwmapi.dll"};
constexpr const char* kCompanions[] = {"Help.chm", "license.txt", "cur.dat"};

// The marker library, built beside this test.
const std::string kMarkerLibrary = BesideThisTest("planted_marker.dll");

// The names whose planted copy has been loaded.
std::vector<std::string> Loaded(const ScratchDirectory& dir) {
    std::vector<std::string> loaded;
    for (const char* name : kPlanted) {
        if (fs::exists(dir.Path() + "\\" + name + ".loaded"))
            loaded.push_back(name);
    }
    return loaded;
}

// Files before Wine's own libraries for these names, in Huetrove.exe alone: the
// registry's form of WINEDLLOVERRIDES=riched20,msftedit,comdlg32,oleacc,...=n,b (the variable
// itself would not reach a program that this test starts).
class PreferPlantedFiles {
public:
    PreferPlantedFiles() {
        for (const char* name : kPlanted) {
            const std::string library(name, std::string_view(name).find('.'));
            WriteRegistryString(kOverridesKey, library, "native,builtin");
        }
    }
    ~PreferPlantedFiles() { DeleteRegistryKey(kProgramDefaultsKey); }
    PreferPlantedFiles(const PreferPlantedFiles&) = delete;
    PreferPlantedFiles& operator=(const PreferPlantedFiles&) = delete;

private:
    static constexpr char kProgramDefaultsKey[] = "Software\\Wine\\AppDefaults\\Huetrove.exe";
    static constexpr char kOverridesKey[] = "Software\\Wine\\AppDefaults\\Huetrove.exe\\DllOverrides";
};

// A screen reader's first question: the program loads its accessibility library to answer.
bool AskAsAReader(HWND window) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    const bool answered = SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                               IID_IAccessible, reinterpret_cast<void**>(&object))) &&
                          object;
    if (object)
        object->Release();
    CoUninitialize();
    return answered;
}

}  // namespace

TEST(DllSearch, LibrariesBesideTheProgramAreNeverLoaded) {
    ScratchDirectory dir;
    ASSERT_TRUE(dir.CopyIn(ProgramPath(), "Huetrove.exe"));
    for (const char* name : kCompanions)
        ASSERT_TRUE(dir.CopyIn(ProgramDirectory() + "\\" + name)) << name;
    for (const char* name : kPlanted)
        ASSERT_TRUE(dir.CopyIn(kMarkerLibrary, name)) << kMarkerLibrary;
    const PreferPlantedFiles preferFiles;

    std::unique_ptr<Huetrove> app;
    try {
        app = std::make_unique<Huetrove>(dir.Path(), dir.Path() + "\\Huetrove.exe");
    } catch (const std::exception& e) {
        ADD_FAILURE() << "the program did not start: " << e.what();
    }
    EXPECT_EQ(Loaded(dir), std::vector<std::string>{}) << "at start-up";
    ASSERT_TRUE(app);

    // The colour dialog's library is loaded when the dialog is first used.
    HWND dialog = app->OpenColourDialog();
    EXPECT_EQ(Loaded(dir), std::vector<std::string>{}) << "with the colour dialog";
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(PressUntil("Escape closes it", dialog, {VK_ESCAPE}, [&] { return !app->ColourDialog(); }));

    HWND preferences = app->OpenPreferences();
    ASSERT_NE(preferences, nullptr);
    ASSERT_TRUE(PressUntil("Escape closes it", preferences, {VK_ESCAPE},
                           [&] { return !app->Shown({.caption = kPreferencesCaption}); }));

    EXPECT_TRUE(AskAsAReader(app->HtmlBox()));
    EXPECT_EQ(Loaded(dir), std::vector<std::string>{}) << "with a screen reader's question";

    EXPECT_TRUE(app->Exit());
    EXPECT_EQ(Loaded(dir), std::vector<std::string>{}) << "by the end";
}
