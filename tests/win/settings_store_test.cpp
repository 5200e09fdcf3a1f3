// Loading and saving the settings with a main window made in this process, on the
// prefix's real registry. Every test starts from no settings at all and leaves none.
// Error boxes are read and dismissed by a watcher thread, as a user would answer them.
#include <gtest/gtest.h>

#include <windows.h>

#include <climits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Harness.h"
#include "HuetroveSettings.h"
#include "TestApplication.h"
#include "framework/Application.h"
#include "main/Unit1.h"
#include "palettes/ChartCatalogue.h"

namespace {

using namespace harness;

constexpr char kTitle[] = "Huetrove v1.0";
constexpr int kDesignedClientHeight = 293;

const TestKey kStore{kSettingsKey};

class SettingsStore : public testing::Test {
protected:
    static void SetUpTestSuite() { InitializeTestApplication(kTitle); }

    void SetUp() override { RemoveAllSettings(); }

    void TearDown() override {
        form.reset();
        watcher.reset();
        RemoveAllSettings();
    }

    // Makes the main window and runs its creation handler, as start-up does.
    void Start() {
        watcher = std::make_unique<DialogWatcher>();
        form = std::make_unique<TMainForm>(nullptr);
        designedOuterHeight = Rect().bottom - Rect().top;  // before the settings place a chart
        form->DoCreate();
    }

    // A complete store with no first-run value in it, so every default shows.
    static void PutCompleteStore(POINT window = {200, 100}) {
        ASSERT_TRUE(StoreSettings({.windowLeft = window.x, .windowTop = window.y, .activePS = "schXP",
                                   .minimizeClose = 0, .systemStartup = 1, .dblClickAction = "Picker"}));
    }

    RECT Rect() const { return WindowRect(form->Handle()); }

    POINT FirstRunPosition() const {
        return {GetSystemMetrics(SM_CXSCREEN) - (Rect().right - Rect().left) - 15,
                GetSystemMetrics(SM_CYSCREEN) - designedOuterHeight - 35};
    }

    std::set<std::string> VisibleCharts() const {
        std::set<std::string> visible;
        for (const palettes::ChartEntry& entry : palettes::ChartCatalogue())
            if (form->ChartImage(entry.identifier)->Visible())
                visible.insert(std::string(entry.identifier));
        return visible;
    }

    // What every finished start-up shows, whatever the store held.
    void ExpectStartUpCompleted() const {
        EXPECT_EQ(form->Text(), std::string(" ") + kTitle);
        EXPECT_EQ(form->HTMLColorEdit->Text().size(), 7u) << form->HTMLColorEdit->Text();
        EXPECT_EQ(form->CloseAction, form->MinimizeClose ? TMainForm::HideToTray : TMainForm::CloseAndFree);
    }

    std::unique_ptr<DialogWatcher> watcher;
    std::unique_ptr<TMainForm> form;
    int designedOuterHeight = 0;
};

TEST_F(SettingsStore, FirstRunTakesTheDefaultsAndWritesNothing) {
    Start();
    const RECT rc = Rect();
    EXPECT_EQ(rc.right, GetSystemMetrics(SM_CXSCREEN) - 15);
    EXPECT_EQ(rc.top, FirstRunPosition().y);
    // The web colours make the window shorter after it was placed.
    EXPECT_EQ(form->ClientHeight(), 245);
    EXPECT_EQ(rc.bottom, GetSystemMetrics(SM_CYSCREEN) - 35 - (kDesignedClientHeight - 245));
    EXPECT_EQ(VisibleCharts(), std::set<std::string>{"palWeb"});
    EXPECT_TRUE(form->MinimizeClose);
    EXPECT_FALSE(form->SystemStartup);
    EXPECT_EQ(form->DblClickAction, "None");
    ExpectStartUpCompleted();
    EXPECT_EQ(form->CloseAction, TMainForm::HideToTray);

    EXPECT_FALSE(RegistryKeyExists(kMakerKey));
    EXPECT_EQ(RegistryValues(kRunKey).count("Huetrove"), 0u);
    EXPECT_TRUE(watcher->Seen().empty());

    // Closing while closes hide to the tray saves nothing either.
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(RegistryKeyExists(kMakerKey));
}

TEST_F(SettingsStore, ExitAfterAFirstRunWritesExactlyTheSixValues) {
    Start();
    const RECT rc = Rect();
    form->Close1Click(nullptr);  // Exit: sets CloseAndFree, then closes
    const auto values = RegistryValues(kSettingsKey);
    ASSERT_EQ(values.size(), 6u);
    const auto expectNumber = [&](const char* name, DWORD number) {
        ASSERT_EQ(values.count(name), 1u) << name;
        EXPECT_EQ(values.at(name).type, static_cast<DWORD>(REG_DWORD)) << name;
        EXPECT_EQ(values.at(name).data.size(), 4u) << name;
        EXPECT_EQ(values.at(name).Number(), number) << name;
    };
    const auto expectText = [&](const char* name, const std::string& text) {
        ASSERT_EQ(values.count(name), 1u) << name;
        EXPECT_EQ(values.at(name).type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(values.at(name).Bytes(), text + '\0') << name;
    };
    expectNumber("WindowTop", static_cast<DWORD>(rc.top));
    expectNumber("WindowLeft", static_cast<DWORD>(rc.left));
    expectText("ActivePS", "palWeb");
    expectNumber("MinimizeClose", 1);
    expectNumber("SystemStartup", 0);
    expectText("DblClickAction", "None");
    EXPECT_EQ(RegistryValues(kRunKey).count("Huetrove"), 0u);
    EXPECT_TRUE(watcher->Seen().empty());
}

TEST_F(SettingsStore, AStoredSetLoadsAsItWasSaved) {
    PutCompleteStore();
    Start();
    EXPECT_EQ(Rect().top, 100);
    EXPECT_EQ(Rect().left, 200);
    EXPECT_EQ(VisibleCharts(), std::set<std::string>{"schXP"});
    EXPECT_FALSE(form->MinimizeClose);
    EXPECT_TRUE(form->SystemStartup);
    EXPECT_EQ(form->DblClickAction, "Picker");
    ExpectStartUpCompleted();
    EXPECT_TRUE(watcher->Seen().empty());
}

TEST_F(SettingsStore, NegativeEdgesAreReadAsSignedNumbers) {
    // Left of the screen, with enough of the caption bar still on it to be grabbed.
    PutCompleteStore({-20, 10});
    Start();
    EXPECT_EQ(Rect().left, -20);
    EXPECT_EQ(Rect().top, 10);
    form->SaveSettings();
    EXPECT_EQ(RegistryValues(kSettingsKey).at("WindowLeft").Number(), 0xFFFFFFECu);
}

struct ChartCase {
    const char* stored;
    const char* shown;  // empty: no chart
};

class StoredChart : public SettingsStore, public testing::WithParamInterface<ChartCase> {};

TEST_P(StoredChart, ShowsWhatTheIdentifierNames) {
    PutCompleteStore();
    kStore.PutText("ActivePS", GetParam().stored);
    Start();
    const std::string shown = GetParam().shown;
    EXPECT_EQ(VisibleCharts(), shown.empty() ? std::set<std::string>{} : std::set<std::string>{shown});
    EXPECT_TRUE(watcher->Seen().empty());
    // The next save writes back what is on show.
    form->SaveSettings();
    EXPECT_EQ(RegistryValues(kSettingsKey).at("ActivePS").Bytes(), shown + '\0');
}

const ChartCase kStoredCharts[] = {
    {"palWeb", "palWeb"}, {"palWebHue", "palWebHue"}, {"palWebSafe", "palWebSafe"}, {"palWindows", "palWindows"},
    {"palMac", "palMac"}, {"palAdobe", "palAdobe"},   {"palVB1", "palVB1"},         {"palVB2", "palVB2"},
    {"schWXP", "schWXP"}, {"schXP", "schXP"},         {"", ""},                     {"PalWeb", ""},
    {"palweb", ""},       {"SCHXP", ""}};

INSTANTIATE_TEST_SUITE_P(Identifiers, StoredChart, testing::ValuesIn(kStoredCharts));

// One value the store cannot read, in an otherwise complete store.
struct CorruptCase {
    const char* name;
    DWORD type;  // REG_NONE: the value is missing
    std::string data;
    const char* message;  // empty: no error
};

class CorruptValue : public SettingsStore, public testing::WithParamInterface<CorruptCase> {};

TEST_P(CorruptValue, IsReportedTakesItsDefaultAndTheRestStillLoads) {
    const CorruptCase& c = GetParam();
    PutCompleteStore();
    if (c.type == REG_NONE)
        ASSERT_TRUE(DeleteRegistryValue(kSettingsKey, c.name));
    else
        kStore.Put(c.name, c.type, c.data.data(), c.data.size());
    Start();

    const auto boxes = watcher->Seen();
    if (*c.message) {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, kTitle);
        EXPECT_EQ(boxes[0].text, c.message);
    } else {
        EXPECT_TRUE(boxes.empty());
    }

    const std::string name = c.name;
    const POINT firstRun = FirstRunPosition();
    EXPECT_EQ(Rect().top, name == "WindowTop" ? firstRun.y : 100);
    EXPECT_EQ(Rect().left, name == "WindowLeft" ? firstRun.x : 200);
    std::set<std::string> chart{"schXP"};
    if (name == "ActivePS")
        chart = *c.message ? std::set<std::string>{"palWeb"} : std::set<std::string>{};
    EXPECT_EQ(VisibleCharts(), chart);
    EXPECT_EQ(form->MinimizeClose, name == "MinimizeClose");
    EXPECT_EQ(form->SystemStartup, name != "SystemStartup");
    EXPECT_EQ(form->DblClickAction, name == "DblClickAction" ? (*c.message ? "None" : "") : "Picker");
    ExpectStartUpCompleted();

    // The next save repairs the store: every value in its own type.
    form->SaveSettings();
    const auto values = RegistryValues(kSettingsKey);
    ASSERT_EQ(values.size(), 6u);
    for (const char* number : {"WindowTop", "WindowLeft", "MinimizeClose", "SystemStartup"})
        EXPECT_EQ(values.at(number).type, static_cast<DWORD>(REG_DWORD)) << number;
    for (const char* text : {"ActivePS", "DblClickAction"})
        EXPECT_EQ(values.at(text).type, static_cast<DWORD>(REG_SZ)) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Values,
    CorruptValue,
    testing::Values(
        CorruptCase{"WindowTop", REG_SZ, std::string("1\0", 2), "Invalid data type for 'WindowTop'"},
        CorruptCase{"WindowTop", REG_SZ, std::string("12345\0", 6), "Failed to get data for 'WindowTop'"},
        CorruptCase{"WindowTop", REG_NONE, "", "Failed to get data for 'WindowTop'"},
        CorruptCase{"WindowLeft", REG_BINARY, std::string("\1\2", 2), "Invalid data type for 'WindowLeft'"},
        CorruptCase{"WindowLeft", REG_NONE, "", "Failed to get data for 'WindowLeft'"},
        CorruptCase{"ActivePS", REG_DWORD, std::string("\1\0\0\0", 4), "Invalid data type for 'ActivePS'"},
        CorruptCase{"ActivePS", REG_NONE, "", ""},
        CorruptCase{"MinimizeClose", REG_SZ, std::string("0\0", 2), "Invalid data type for 'MinimizeClose'"},
        CorruptCase{"MinimizeClose", REG_QWORD, std::string(8, '\0'), "Failed to get data for 'MinimizeClose'"},
        CorruptCase{"SystemStartup", REG_NONE, "", "Failed to get data for 'SystemStartup'"},
        CorruptCase{"DblClickAction", REG_MULTI_SZ, std::string("Screen\0\0", 8),
                    "Invalid data type for 'DblClickAction'"},
        CorruptCase{"DblClickAction", REG_NONE, "", ""}));

TEST_F(SettingsStore, EveryBadValueIsReportedInOrderInOneBoxAndStartUpStillCompletes) {
    kStore.PutText("WindowTop", "1");
    kStore.PutText("WindowLeft", "12345");
    kStore.PutDword("ActivePS", 3);
    kStore.PutText("MinimizeClose", "x");
    Start();
    std::vector<std::string> texts;
    for (const MessageBoxInfo& box : watcher->Seen())
        texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Invalid data type for 'WindowTop'\n"
                                               "Failed to get data for 'WindowLeft'\n"
                                               "Invalid data type for 'ActivePS'\n"
                                               "Invalid data type for 'MinimizeClose'\n"
                                               "Failed to get data for 'SystemStartup'"}));
    EXPECT_EQ(Rect().left, FirstRunPosition().x);
    EXPECT_EQ(Rect().top, FirstRunPosition().y);
    EXPECT_EQ(VisibleCharts(), std::set<std::string>{"palWeb"});
    EXPECT_TRUE(form->MinimizeClose);
    EXPECT_EQ(form->DblClickAction, "");
    ExpectStartUpCompleted();
}

TEST_F(SettingsStore, TextsWithoutTheirNulOrOfAnyLengthLoadSafely) {
    PutCompleteStore();
    kStore.Put("ActivePS", REG_SZ, "palVB1", 6);  // no terminating NUL
    const std::string huge(100000, 'S');
    kStore.PutText("DblClickAction", huge);
    Start();
    EXPECT_EQ(VisibleCharts(), std::set<std::string>{"palVB1"});
    EXPECT_EQ(form->DblClickAction, huge);
    EXPECT_TRUE(watcher->Seen().empty());
}

TEST_F(SettingsStore, AnyNonZeroNumberIsTrueAndIsWrittenBackAsOne) {
    PutCompleteStore();
    kStore.PutDword("MinimizeClose", 7);
    kStore.PutDword("SystemStartup", 0x80000000u);
    Start();
    EXPECT_TRUE(form->MinimizeClose);
    EXPECT_TRUE(form->SystemStartup);
    EXPECT_EQ(form->CloseAction, TMainForm::HideToTray);
    form->SaveSettings();
    const auto values = RegistryValues(kSettingsKey);
    EXPECT_EQ(values.at("MinimizeClose").Number(), 1u);
    EXPECT_EQ(values.at("SystemStartup").Number(), 1u);
}

TEST_F(SettingsStore, APositionOffEveryDisplayIsReplacedByTheFirstRunOne) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    // Off every display, or with too little of the caption bar left to grab it.
    const POINT offScreen[] = {{-5000, 100},       {width, 100},    {100, height},    {100, -2000}, {INT_MIN, INT_MIN},
                               {INT_MAX, INT_MAX}, {width - 5, 10}, {10, height - 5}, {-100, -100}, {width - 31, 10}};
    for (const POINT& stored : offScreen) {
        PutCompleteStore(stored);
        Start();
        EXPECT_EQ(Rect().left, FirstRunPosition().x) << stored.x << "," << stored.y;
        EXPECT_EQ(Rect().top, FirstRunPosition().y) << stored.x << "," << stored.y;
        EXPECT_TRUE(watcher->Seen().empty());
        form.reset();
    }
}

TEST_F(SettingsStore, APartlyVisiblePositionIsKept) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // The caption bar's top rows over 32 columns or more stay on the work area.
    const POINT partly[] = {{-100, 10}, {width - 32, 10}, {10, work.bottom - 8}, {-100, 0}};
    for (const POINT& stored : partly) {
        PutCompleteStore(stored);
        Start();
        EXPECT_EQ(Rect().left, stored.x);
        EXPECT_EQ(Rect().top, stored.y);
        form.reset();
    }
}

TEST_F(SettingsStore, TheRunValueFollowsSystemStartupOnEverySave) {
    Start();
    form->SystemStartup = true;
    form->SaveSettings();
    auto run = RegistryValues(kRunKey);
    ASSERT_EQ(run.count("Huetrove"), 1u);
    EXPECT_EQ(run.at("Huetrove").type, static_cast<DWORD>(REG_SZ));
    // Quoted, so a path with spaces names one program.
    EXPECT_EQ(run.at("Huetrove").Bytes(), "\"" + ThisTestProgram() + "\"" + '\0');

    // Something else removed it: the next save brings it back.
    RemoveAllSettings();
    form->SaveSettings();
    EXPECT_EQ(RegistryValues(kRunKey).count("Huetrove"), 1u);

    form->SystemStartup = false;
    form->SaveSettings();
    EXPECT_EQ(RegistryValues(kRunKey).count("Huetrove"), 0u);
    form->SaveSettings();  // deleting what is not there is silent
    EXPECT_EQ(RegistryValues(kRunKey).count("Huetrove"), 0u);
    EXPECT_TRUE(watcher->Seen().empty());
}

// A parent key that is volatile cannot get a lasting child: the store's key can be
// neither opened nor created, as when the user may not write there.
class UnwritableStore : public SettingsStore {
protected:
    void SetUp() override {
        SettingsStore::SetUp();
        ASSERT_TRUE(CreateRegistryKey(kMakerKey, REG_OPTION_VOLATILE));
        ASSERT_FALSE(WriteRegistryDword(kSettingsKey, "WindowTop", 0));
    }
};

TEST_F(UnwritableStore, AFailedSaveStopsTheCloseAndTheNextCloseTriesAgain) {
    Start();
    form->Show();
    form->CloseAction = TMainForm::CloseAndFree;  // as Exit leaves it
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);

    const auto boxes = watcher->Seen();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, kTitle);
    EXPECT_EQ(boxes[0].text, "Failed to set data for 'WindowTop'");
    EXPECT_EQ(form->CloseAction, TMainForm::CloseAndFree);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(fw::Application().Terminated());
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_EQ(RegistryValues(kRunKey).count("Huetrove"), 0u);

    // Once the store can be written again, the same close saves and goes ahead.
    RemoveAllSettings();
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(watcher->Seen().size(), 1u);
    EXPECT_EQ(RegistryValues(kSettingsKey).size(), 6u);
    EXPECT_FALSE(form->Visible());
}

}  // namespace
