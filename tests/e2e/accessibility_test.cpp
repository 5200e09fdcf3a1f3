// The main window as a screen reader and a keyboard user meet it: the names and values
// that another process reads through the system's accessibility objects, and the HTML
// code reached and copied without the mouse.
#include <gtest/gtest.h>

#include <windows.h>

#include <initguid.h>  // before oleacc.h: it defines IID_IAccessible here
#include <oleacc.h>
#include <tlhelp32.h>

#include <algorithm>
#include <string>

#include "FirstRunTest.h"
#include "palettes/ChartCatalogue.h"

using namespace harness;

namespace {

constexpr char kHtmlName[] = "Selected color HTML value";
constexpr char kSwatchName[] = "Selected color display";

// Whether a process has loaded a module of that file name, in any case.
bool Loads(DWORD processId, const char* module) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool loaded = false;
    for (BOOL more = Module32First(snapshot, &entry); more && !loaded; more = Module32Next(snapshot, &entry))
        loaded = lstrcmpiA(entry.szModule, module) == 0;
    CloseHandle(snapshot);
    return loaded;
}

std::string Narrow(BSTR text) {
    if (!text)
        return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(std::max(length, 1)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(narrow.size() - 1);
    SysFreeString(text);
    return narrow;
}

// What a reader hears for a window's client area, asked as a reader asks: from this
// process, through the system's accessibility objects.
struct Heard {
    std::string name;
    std::string value;
    bool operator==(const Heard&) const = default;
};

void PrintTo(const Heard& heard, std::ostream* out) {
    *out << "name \"" << heard.name << "\", value \"" << heard.value << "\"";
}

Heard HeardFor(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return {"(no object)", {}};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR value = nullptr;
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    object->Release();
    return {Narrow(name), Narrow(value)};
}

// This thread in a single-threaded apartment, as readers run.
struct ComApartment {
    ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
};

std::string CatalogueCaption(std::string_view identifier) {
    return std::string(palettes::FindChart(identifier)->caption);
}

class Accessibility : public FirstRunTest {
protected:
    // Every box and the swatch, as a reader hears them now.
    void ExpectColourHeard() const {
        const std::string html = app->Html();
        EXPECT_EQ(HeardFor(app->HtmlBox()), (Heard{kHtmlName, html}));
        EXPECT_EQ(HeardFor(app->RedBox()), (Heard{"Selected color red value", app->Red()}));
        EXPECT_EQ(HeardFor(app->GreenBox()), (Heard{"Selected color green value", app->Green()}));
        EXPECT_EQ(HeardFor(app->BlueBox()), (Heard{"Selected color blue value", app->Blue()}));
        EXPECT_EQ(HeardFor(app->Swatch()), (Heard{kSwatchName, html}));
    }

    // Opens the HTML box's menu with a key chord, away from the pointer, and copies with it.
    void CopyThroughMenuKey(std::initializer_list<WORD> keys, const std::string& what) const {
        ASSERT_TRUE(ClearClipboard());
        // The pointer rests far from the box: the menu must open at the box all the same.
        MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 40, GetSystemMetrics(SM_CYSCREEN) - 40});
        const DWORD id = app->ProcessId();
        ASSERT_TRUE(app->PressUntil(what + " opens the HTML box's menu", keys, [&] { return ShownMenu(id) != nullptr; }));
        const RECT menu = WindowRect(ShownMenu(id));
        const RECT box = WindowRect(app->HtmlBox());
        EXPECT_NEAR(menu.left, box.left, 4) << what;
        EXPECT_NEAR(menu.top, box.bottom, 4) << what;
        ASSERT_TRUE(CopyThroughOpenMenu());
        EXPECT_EQ(ReadClipboardText(), app->Html()) << what;
        EXPECT_TRUE(WaitUntil([&] { return ShownMenu(id) == nullptr; }, 5s));
    }
};

TEST_F(Accessibility, ReadersHearNamesAndValuesThatFollowPicksAndChartSwitches) {
    const DWORD id = app->ProcessId();
    EXPECT_FALSE(Loads(id, "oleacc.dll")) << "nothing is loaded for readers before one asks";
    ComApartment apartment;

    ExpectColourHeard();
    EXPECT_EQ(HeardFor(app->ShownChart()).name, CatalogueCaption("palWeb"));
    EXPECT_TRUE(Loads(id, "oleacc.dll")) << "the accessibility library comes once a reader asks";

    // Each box has a hidden label right before it, for the system's own objects on Windows.
    for (HWND box : {app->HtmlBox(), app->RedBox(), app->GreenBox(), app->BlueBox()}) {
        HWND label = GetWindow(box, GW_HWNDPREV);
        EXPECT_EQ(ClassName(label), "Static");
        EXPECT_FALSE(IsVisible(label));
        EXPECT_EQ(Caption(label), HeardFor(box).name);
    }

    // A pick: a cell of another colour than the one shown.
    BringToForeground(app->main());
    const RECT chart = ClientRectOnScreen(app->ShownChart());
    POINT cell = CenterOf(chart);
    if (HtmlOf(ReadPixel(cell)) == app->Html())
        cell.y = chart.top + 4;
    const std::string picked = HtmlOf(ReadPixel(cell));
    ASSERT_NE(picked, app->Html());
    ASSERT_TRUE(ClickUntil("a click on the chart picks " + picked, cell, [&] { return app->Html() == picked; }));
    ExpectColourHeard();

    // A chart switch: F2 shows the web hues.
    ASSERT_TRUE(app->PressUntil("F2 shows the web hues", {VK_F2}, [&] {
        return HeardFor(app->ShownChart()).name == CatalogueCaption("palWebHue");
    }));
    EXPECT_EQ(HeardFor(app->Swatch()), (Heard{kSwatchName, picked}));

    // Asked and answered, the program still ends cleanly.
    ASSERT_TRUE(app->Exit());
    EXPECT_EQ(app->process().ExitCode(), 0u);
}

TEST_F(Accessibility, ShiftF10TheMenuKeyAndCtrlCCopyTheCodeWithoutTheMouse) {
    CopyThroughMenuKey({VK_SHIFT, VK_F10}, "Shift+F10");
    CopyThroughMenuKey({VK_APPS}, "the menu key");

    ASSERT_TRUE(app->CopyWith({VK_CONTROL, 'C'}, "Ctrl+C copies the code"));
    EXPECT_EQ(ReadClipboardText(), app->Html());
    EXPECT_EQ(app->Html().size(), 7u);
}

}  // namespace
