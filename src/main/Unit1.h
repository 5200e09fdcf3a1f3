#pragma once
// The main window: the current colour as swatch, HTML code and decimal values, the
// chart on show, the menu bar, and the commands that start from it. Its member
// functions live here in main/, one file per concern; the other folders offer what
// they take (the picking window, the colour dialog, the settings as a plain value).
#include <string>
#include <string_view>

#include "framework/Bevel.h"
#include "framework/Form.h"
#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Menu.h"
#include "framework/Panel.h"
#include "framework/RichEdit.h"
#include "framework/Window.h"
#include "palettes/ChartCatalogue.h"

class TCoolTrayIcon;
class TColorDialog;

class TMainForm : public fw::TForm {
public:
    explicit TMainForm(fw::TComponent* owner);

    // Controls and components of the description, filled as it is built.
    fw::TBevel* Bevel3 = nullptr;
    fw::TRichEdit* HTMLColorEdit = nullptr;
    fw::TRichEdit* RColorEdit = nullptr;
    fw::TRichEdit* GColorEdit = nullptr;
    fw::TRichEdit* BColorEdit = nullptr;
    fw::TPanel* ColorPanel = nullptr;
    fw::TPanel* PalettePanel = nullptr;
    fw::TLabel* PaletteName = nullptr;
    fw::TImage* palWeb = nullptr;
    fw::TImage* palWebHue = nullptr;
    fw::TImage* palWebSafe = nullptr;
    fw::TImage* palWindows = nullptr;
    fw::TImage* palMac = nullptr;
    fw::TImage* palAdobe = nullptr;
    fw::TImage* palVB1 = nullptr;
    fw::TImage* palVB2 = nullptr;
    fw::TImage* schWXP = nullptr;
    fw::TImage* schXP = nullptr;
    fw::TMainMenu* MainMenu1 = nullptr;
    fw::TMenuItem* MpalWeb = nullptr;
    fw::TMenuItem* MpalWebHue = nullptr;
    fw::TMenuItem* MpalWebSafe = nullptr;
    fw::TMenuItem* MpalWindows = nullptr;
    fw::TMenuItem* MpalMac = nullptr;
    fw::TMenuItem* MpalAdobe = nullptr;
    fw::TMenuItem* MpalVB1 = nullptr;
    fw::TMenuItem* MpalVB2 = nullptr;
    fw::TMenuItem* MschWXP = nullptr;
    fw::TMenuItem* MschXP = nullptr;
    fw::TPopupMenu* PopupMenu = nullptr;
    fw::TMenuItem* Showmainwindow1 = nullptr;
    fw::TMenuItem* Hidemainwindow1 = nullptr;
    fw::TPopupMenu* HTMLColorPopup = nullptr;
    TCoolTrayIcon* TrayIcon = nullptr;
    TColorDialog* ColorDialog = nullptr;

    // Settings fields.
    fw::TCloseAction CloseAction = fw::TCloseAction::caNone;
    bool MinimizeClose = false;
    bool SystemStartup = false;
    std::string DblClickAction;

    static constexpr fw::TCloseAction HideToTray = fw::TCloseAction::caNone;
    static constexpr fw::TCloseAction CloseAndFree = fw::TCloseAction::caFree;

    // The current colour is the swatch's colour.
    fw::TColor CurrentColor() const { return ColorPanel->Color(); }
    // Seam for tests: the tray tooltip text as last built (kept for the tray icon).
    const std::string& TrayHint() const { return trayHint_; }

    // Core (Unit1.cpp, AboutCommand.cpp).
    void FormCreate(fw::TComponent* Sender);
    void FormActivate(fw::TComponent* Sender);
    void FormClose(fw::TComponent* Sender, fw::TCloseAction& Action);
    void HTMLColorEditChange(fw::TComponent* Sender);
    void Copytoclipboard1Click(fw::TComponent* Sender);
    void Close1Click(fw::TComponent* Sender);
    void Contents1Click(fw::TComponent* Sender);
    void webColorsOnLine1Click(fw::TComponent* Sender);
    void About1Click(fw::TComponent* Sender);

    // Without the mouse (MainFormAccessibility.cpp): the menu keys open the HTML box's
    // menu at the box.
    void HTMLColorEditMenuKey(fw::TComponent* Sender);
    // Ctrl+C and Ctrl+Insert, and WM_COPY sent to a box: the selection of that box (for
    // the keys, of the box with the focus), else the code as Copy to clipboard does.
    void CopyKey(fw::TComponent* Sender);

    // Charts (MainFormCharts.cpp).
    void ShowPalette(const std::string& identifier);
    void ShowScheme(const std::string& identifier);
    void HideAllPalettes();
    void PickFromPalette();
    // One handler per menu item and per image, each naming its own chart: a menu item
    // shows or hides its chart, a click on a chart picks the colour under the pointer.
    void MpalWebClick(fw::TComponent* Sender) { ChartMenuClick(Sender, "palWeb"); }
    void MpalWebHueClick(fw::TComponent* Sender) { ChartMenuClick(Sender, "palWebHue"); }
    void MpalWebSafeClick(fw::TComponent* Sender) { ChartMenuClick(Sender, "palWebSafe"); }
    void MpalWindowsClick(fw::TComponent* Sender) { ChartMenuClick(Sender, "palWindows"); }
    void MpalMacClick(fw::TComponent* Sender) { ChartMenuClick(Sender, "palMac"); }
    void MpalAdobeClick(fw::TComponent* Sender) { ChartMenuClick(Sender, "palAdobe"); }
    void MpalVB1Click(fw::TComponent* Sender) { ChartMenuClick(Sender, "palVB1"); }
    void MpalVB2Click(fw::TComponent* Sender) { ChartMenuClick(Sender, "palVB2"); }
    void MschWXPClick(fw::TComponent* Sender) { ChartMenuClick(Sender, "schWXP"); }
    void MschXPClick(fw::TComponent* Sender) { ChartMenuClick(Sender, "schXP"); }
    void palWebClick(fw::TComponent*) { PickFromPalette(); }
    void palWebHueClick(fw::TComponent*) { PickFromPalette(); }
    void palWebSafeClick(fw::TComponent*) { PickFromPalette(); }
    void palWindowsClick(fw::TComponent*) { PickFromPalette(); }
    void palMacClick(fw::TComponent*) { PickFromPalette(); }
    void palAdobeClick(fw::TComponent*) { PickFromPalette(); }
    void palVB1Click(fw::TComponent*) { PickFromPalette(); }
    void palVB2Click(fw::TComponent*) { PickFromPalette(); }
    void schWXPClick(fw::TComponent*) { PickFromPalette(); }
    void schXPClick(fw::TComponent*) { PickFromPalette(); }
    fw::TImage* ChartImage(std::string_view identifier) const;
    // Moved to a monitor of another scale: charts drawn at the new pitch, window fitted.
    void FormDpiChanged(fw::TComponent* Sender);
    // The client size at another DPI, fitted to the chart on show as FormDpiChanged fits it.
    SIZE ClientSizeForDpi(int dpi) const override;
    fw::TMenuItem* ChartMenuItem(std::string_view identifier) const;

    // Picking (PickCommands.cpp, PickCursorInstall.cpp).
    // The step every way of picking ends with.
    void ApplyPickedColor(fw::TColor color);
    // Applies a pixel read from the screen as the picked colour. A pixel that could not be
    // read is a failed pick: the colour, its boxes and the tray hint stay as they were.
    // True when the colour was applied.
    bool ApplyScreenPixel(fw::TColor pixel);
    // The end of a pick from the screen, once the picking window is gone: the pixel its
    // click read becomes the current colour, and the main window shows again.
    void FinishScreenPick(fw::TColor pixel);
    // Loads the picking cursor and gives it to the charts and the picking window.
    void InstallPickCursor();
    void Pickcolorfromthescreen1Click(fw::TComponent* Sender);
    void Pickcolorfromthe1Click(fw::TComponent* Sender);
    void ColorPanelClick(fw::TComponent* Sender);

    // Tray (MainFormTray.cpp).
    void UpdateTrayHint();
    void TrayIconClick(fw::TComponent* Sender);
    void TrayIconDblClick(fw::TComponent* Sender);
    void PopupMenuPopup(fw::TComponent* Sender);
    void Pickscreencolor1Click(fw::TComponent* Sender);
    void Selectcolorfromthepicker1Click(fw::TComponent* Sender);
    void Showmainwindow1Click(fw::TComponent* Sender);
    void Hidemainwindow1Click(fw::TComponent* Sender);
    void Hidemainwindow2Click(fw::TComponent* Sender);
    void Exit2Click(fw::TComponent* Sender);

    // Settings (MainFormSettings.cpp).
    void LoadSettings();
    void SaveSettings();
    void UpdateCloseAction();
    void Preferences1Click(fw::TComponent* Sender);

protected:
    void Paint(HDC dc) override;
    // A close request to the application window: ends the program as Exit does.
    void ExitRequested() override { Close1Click(this); }

private:
    void ChartMenuClick(fw::TComponent* Sender, std::string_view identifier);
    // The charts at the window's DPI, the panel round them and the window's width;
    // `fitHeight` also fits the client height to the chart on show, as showing it does.
    void LayOutCharts(bool fitHeight);
    // The steps ShowPalette and ShowScheme share; `clearOther` is the item whose setting
    // and clearing empties the other submenu by the radio rule.
    void ShowChart(palettes::ChartGroup group, const std::string& identifier, std::string_view clearOther);
    std::string panelHeightFrom_;   // the chart whose height the panel took; empty: the designed height
    bool chartsCollapsed_ = false;  // nothing asked for: the window ends at the panel's top
    // What screen readers hear for the colour boxes, the swatch and the charts.
    void NameForReaders();
    // Puts text on the clipboard; says so when the clipboard stays taken.
    void CopyText(const std::string& text);
    void CreateTrayIcon();
    void InstallSessionEndSave();
    std::string trayHint_;
    fw::TWindowHook sessionEndHook_;
};
