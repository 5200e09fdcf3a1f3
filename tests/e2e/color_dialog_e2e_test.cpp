// Picking in the system colour dialog, driven from outside as a user would: the three
// ways in, the colour it opens with, where it opens, OK, Cancel, Escape and the close
// box, and the custom colours that outlive one opening.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <ranges>
#include <string>

#include "ColourDialog.h"
#include "FirstRunTest.h"

using namespace harness;

namespace {

constexpr Duration kReact = 10s;

using namespace harness::colour_dialog;

using Rgb = std::array<std::string, 3>;

Rgb RgbOf(COLORREF c) {
    return {std::to_string(GetRValue(c)), std::to_string(GetGValue(c)), std::to_string(GetBValue(c))};
}

class ColorDialogE2E : public FirstRunTest {
protected:
    static Rgb ReadDialogRgb(HWND dlg) {
        return {WindowText(GetDlgItem(dlg, kRedEdit)), WindowText(GetDlgItem(dlg, kGreenEdit)),
                WindowText(GetDlgItem(dlg, kBlueEdit))};
    }
    // The dialog's red, green and blue fields once they all hold a number: right after
    // a click the dialog may be between emptying a field and filling it again.
    static Rgb DialogRgb(HWND dlg) {
        const auto complete = [&]() -> std::optional<Rgb> {
            const Rgb rgb = ReadDialogRgb(dlg);
            for (const std::string& v : rgb)
                if (v.empty() || v.find_first_not_of("0123456789") != v.npos)
                    return std::nullopt;
            return rgb;
        };
        // -1 fails every comparison rather than throwing.
        return WaitFor(complete, kReact).value_or(Rgb{"-1", "-1", "-1"});
    }
    Rgb MainRgb() const { return {app->Red(), app->Green(), app->Blue()}; }

    // The point in the middle of one cell of a colour well of `columns` x `rows` cells.
    static POINT Cell(HWND dlg, int wellId, int columns, int rows, int index) {
        const RECT well = WindowRect(GetDlgItem(dlg, wellId));
        const int w = well.right - well.left;
        const int h = well.bottom - well.top;
        const int col = index % columns;
        const int row = index / columns;
        return {well.left + col * w / columns + w / (2 * columns), well.top + row * h / rows + h / (2 * rows)};
    }
    // Clicks a basic colour and returns what the dialog then shows as selected. In the full
    // form: it shows the selected colour's values (the short form keeps them hidden and does
    // not update them).
    static Rgb ClickBasic(HWND dlg, int index) {
        ClickButtonUntil("Define Custom Colors shows the full dialog", GetDlgItem(dlg, kDefineCustom),
                         [&] { return IsVisible(GetDlgItem(dlg, kAddToCustom)); });
        const Rgb before = DialogRgb(dlg);
        ClickUntil("a click on basic colour " + std::to_string(index) + " selects it",
                   Cell(dlg, kBasicColors, 8, 6, index), [&] { return ReadDialogRgb(dlg) != before; }, dlg);
        return DialogRgb(dlg);
    }
    static COLORREF CustomPixel(HWND dlg, int index) { return ReadPixel(Cell(dlg, kCustomColors, 8, 2, index)); }

    // Opened centred across the monitor, a third of the free height down, owned by the
    // application window, with the main window disabled.
    void ExpectPlacedAndOwned(HWND dlg) const {
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        GetMonitorInfoA(MonitorFromWindow(app->main(), MONITOR_DEFAULTTOPRIMARY), &mi);
        const RECT& m = mi.rcMonitor;
        const RECT r = WindowRect(dlg);
        EXPECT_EQ(r.left, m.left + (m.right - m.left - (r.right - r.left)) / 2);
        EXPECT_EQ(r.top, m.top + (m.bottom - m.top - (r.bottom - r.top)) / 3);
        EXPECT_EQ(Owner(dlg), app->Application());
        EXPECT_FALSE(IsWindowEnabled(app->main()));
    }

    HWND OpenWithSwatch() const {
        BringToForeground(app->main());
        ClickUntil("a click on the swatch opens the colour dialog", CenterOf(WindowRect(app->Swatch())),
                   [&] { return app->ColourDialog() != nullptr; }, app->main());
        return app->ColourDialog();
    }
    HWND OpenWithMenu() const {
        app->MenuCommand('O', 'P', "Options > Select color from the picker opens the colour dialog",
                         [&] { return app->ColourDialog() != nullptr; });
        return app->ColourDialog();
    }

    // OK or Cancel, until the dialog has gone.
    void Press(HWND dlg, int button) const {
        ClickButtonUntil(button == IDOK ? "OK closes the colour dialog" : "Cancel closes the colour dialog",
                         GetDlgItem(dlg, button), [&] { return app->ColourDialog() == nullptr; });
        ASSERT_TRUE(WaitUntil([&] { return app->ColourDialog() == nullptr; }, kReact));
    }
    // The main window takes input again once the dialog has gone.
    void ExpectMainBack() const {
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app->main()) != FALSE; }, kReact));
        EXPECT_TRUE(WaitUntil([&] { return IsForeground(app->main()); }, kReact));
        EXPECT_TRUE(IsVisible(app->main()));
    }
};

TEST_F(ColorDialogE2E, RightAfterStartUpOpensOnTheDesktopColourAndOkKeepsIt) {
    const COLORREF desktop = GetSysColor(COLOR_BACKGROUND);
    ASSERT_EQ(app->Html(), HtmlOf(desktop));
    HWND dlg = app->OpenColourDialog();
    ASSERT_NE(dlg, nullptr) << "Ctrl+P opened no dialog";
    EXPECT_EQ(DialogRgb(dlg), RgbOf(desktop));
    ExpectPlacedAndOwned(dlg);
    Press(dlg, IDOK);
    ExpectMainBack();
    EXPECT_EQ(app->Html(), HtmlOf(desktop));
    EXPECT_EQ(MainRgb(), RgbOf(desktop));
}

TEST_F(ColorDialogE2E, CtrlPTheSwatchAndTheMenuOpenTheSameDialogOnTheCurrentColour) {
    // Ctrl+P: choose a basic colour and confirm it.
    HWND dlg = app->OpenColourDialog();
    ASSERT_NE(dlg, nullptr) << "Ctrl+P opened no dialog";
    ExpectPlacedAndOwned(dlg);
    const Rgb first = ClickBasic(dlg, 8);  // second row, first column
    ASSERT_NE(first, RgbOf(GetSysColor(COLOR_BACKGROUND)));
    Press(dlg, IDOK);
    ExpectMainBack();
    EXPECT_TRUE(WaitUntil([&] { return MainRgb() == first; }, kReact)) << app->Html();
    const COLORREF firstColor = RGB(std::stoi(first[0]), std::stoi(first[1]), std::stoi(first[2]));
    EXPECT_EQ(app->Html(), HtmlOf(firstColor));

    // The swatch: opens on that colour; choose another.
    dlg = OpenWithSwatch();
    ASSERT_NE(dlg, nullptr) << "a click on the swatch opened no dialog";
    EXPECT_EQ(DialogRgb(dlg), first);
    ExpectPlacedAndOwned(dlg);
    const Rgb second = ClickBasic(dlg, 20);  // third row, fifth column
    ASSERT_NE(second, first);
    Press(dlg, IDOK);
    ExpectMainBack();
    EXPECT_TRUE(WaitUntil([&] { return MainRgb() == second; }, kReact)) << app->Html();

    // The menu item: opens on the newest colour.
    dlg = OpenWithMenu();
    ASSERT_NE(dlg, nullptr) << "Options > Select color from the picker opened no dialog";
    EXPECT_EQ(DialogRgb(dlg), second);
    ExpectPlacedAndOwned(dlg);
    Press(dlg, IDCANCEL);
    ExpectMainBack();
    EXPECT_EQ(MainRgb(), second);
}

TEST_F(ColorDialogE2E, CancelEscapeAndTheCloseBoxChangeNothing) {
    const std::string html = app->Html();
    const Rgb rgb = MainRgb();
    const COLORREF desktop = GetSysColor(COLOR_BACKGROUND);

    auto dismissals = {
        +[](HWND dlg) {
            ClickButtonUntil("Cancel closes the colour dialog", GetDlgItem(dlg, IDCANCEL),
                             [&] { return !IsWindow(dlg) || !IsWindowVisible(dlg); });
        },
        +[](HWND dlg) {
            PressUntil("Escape closes the colour dialog", dlg, {VK_ESCAPE},
                       [&] { return !IsWindow(dlg) || !IsWindowVisible(dlg); });
        },
        +[](HWND dlg) { EXPECT_TRUE(ClickCloseBox(dlg)) << "the dialog's close box"; },
    };
    int round = 0;
    for (auto dismiss : dismissals) {
        SCOPED_TRACE("dismissal " + std::to_string(round++));
        HWND dlg = app->OpenColourDialog();
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(DialogRgb(dlg), RgbOf(desktop));
        ClickBasic(dlg, 3);
        dismiss(dlg);
        ASSERT_TRUE(WaitUntil([&] { return app->ColourDialog() == nullptr; }, kReact));
        ExpectMainBack();
        EXPECT_EQ(app->Html(), html);
        EXPECT_EQ(MainRgb(), rgb);
    }
}

TEST_F(ColorDialogE2E, CustomColoursComeBackOnlyAfterOk) {
    // Define a custom colour and confirm.
    HWND dlg = app->OpenColourDialog();
    ASSERT_NE(dlg, nullptr);
    const Rgb kept = ClickBasic(dlg, 9);
    const COLORREF keptColor = RGB(std::stoi(kept[0]), std::stoi(kept[1]), std::stoi(kept[2]));
    ASSERT_TRUE(ClickButtonUntil("Add to Custom Colors adds the colour", GetDlgItem(dlg, kAddToCustom),
                                 [&] { return CustomPixel(dlg, 0) == keptColor; }));
    Press(dlg, IDOK);
    ExpectMainBack();

    // It is offered again; define another and cancel.
    dlg = app->OpenColourDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return CustomPixel(dlg, 0) == keptColor; }, kReact))
        << HtmlOf(CustomPixel(dlg, 0)) << " instead of " << HtmlOf(keptColor);
    const Rgb dropped = ClickBasic(dlg, 13);
    const COLORREF droppedColor = RGB(std::stoi(dropped[0]), std::stoi(dropped[1]), std::stoi(dropped[2]));
    ASSERT_NE(droppedColor, keptColor);
    const auto showsDropped = [&](int i) { return CustomPixel(dlg, i) == droppedColor; };
    ASSERT_TRUE(ClickButtonUntil("Add to Custom Colors adds the colour", GetDlgItem(dlg, kAddToCustom),
                                 [&] { return std::ranges::any_of(std::views::iota(0, 16), showsDropped); }));
    Press(dlg, IDCANCEL);
    ExpectMainBack();

    // The confirmed one is still there, the cancelled one is not.
    dlg = app->OpenColourDialog();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return CustomPixel(dlg, 0) == keptColor; }, kReact));
    for (int i = 0; i < 16; ++i)
        EXPECT_NE(CustomPixel(dlg, i), droppedColor) << "custom colour " << i;
    Press(dlg, IDCANCEL);

    // A new run of the program starts with all sixteen unset.
    app->process().Terminate();
    Start();
    dlg = app->OpenColourDialog();
    ASSERT_NE(dlg, nullptr);
    // The first cell looks like the last one, which nobody ever set.
    EXPECT_TRUE(WaitUntil([&] { return CustomPixel(dlg, 0) == CustomPixel(dlg, 15); }, kReact));
    EXPECT_NE(CustomPixel(dlg, 0), keptColor);
    Press(dlg, IDCANCEL);
}

}  // namespace
