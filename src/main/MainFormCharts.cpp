// Showing one chart below the colour display and fitting the window to it.
#include <windows.h>

#include <array>

#include "framework/Exception.h"
#include "main/MainFormDescription.h"
#include "main/Unit1.h"
#include "palettes/ChartDrawing.h"
#include "palettes/ChartCatalogue.h"
#include "palettes/ChartLayout.h"
#include "picker/ScreenPick.h"

using fw::TComponent;
using palettes::ChartGroup;

namespace {

fw::UniqueBitmap MakeChartBitmap(const palettes::ChartEntry& entry, int dpi) {
    const palettes::ChartSize size = palettes::ChartImageSize(entry, dpi);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = size.height;  // positive: rows run bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    fw::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (bitmap && pixels)
        palettes::DrawPaletteDib24(entry, dpi, static_cast<std::uint8_t*>(pixels));
    return bitmap;
}

// The fields that hold each chart's menu item and image, in catalogue order: taken from
// the description's table as the program is built, which itself stays out of the program.
using TItemField = fw::TMenuItem* TMainForm::*;
using TImageField = fw::TImage* TMainForm::*;
struct TChartFields {
    TItemField item;
    TImageField image;
};
constexpr std::size_t kChartCount = std::size(forms::main_form::kCharts);
constexpr auto kChartFields = [] {
    std::array<TChartFields, kChartCount> fields{};
    for (std::size_t i = 0; i != kChartCount; ++i)
        fields[i] = {forms::main_form::kCharts[i].item, forms::main_form::kCharts[i].image};
    return fields;
}();

const TChartFields& ChartParts(std::string_view identifier) {
    const palettes::ChartEntry* entry = palettes::FindChart(identifier);
    if (!entry)
        throw fw::Exception("no chart " + std::string(identifier));
    return kChartFields[static_cast<std::size_t>(entry - palettes::kChartEntries.data())];
}

}  // namespace

void TMainForm::LayOutCharts(bool fitHeight) {
    for (const palettes::ChartEntry& entry : palettes::ChartCatalogue()) {
        fw::TImage* image = ChartImage(entry.identifier);
        const palettes::ChartSize size = palettes::ChartImageSize(entry, Dpi());
        // Inside the panel's one-pixel bevel at every scale.
        image->SetBounds(1, 1, size.width, size.height);
        // Only the chart on show is drawn; the others are drawn when they are shown.
        image->SetBitmap(image->Visible() ? MakeChartBitmap(entry, Dpi()) : nullptr);
    }
    const palettes::ChartFrame frame = palettes::FrameForDpi(Dpi());
    const int panelHeight =
        panelHeightFrom_.empty() ? frame.designedPanelHeight : ChartImage(panelHeightFrom_)->Height();
    PalettePanel->SetBounds(frame.panelLeft, frame.panelTop, frame.panelWidth, panelHeight);
    SetClientSize(frame.clientWidth, ClientHeight());
    if (!fitHeight)
        return;
    const palettes::ChartFit fit = palettes::FitWindow(chartsCollapsed_, frame.panelTop, panelHeight, Dpi());
    SetClientHeight(fit.clientHeight);
    if (fit.captionTop)
        PaletteName->SetTop(*fit.captionTop);
}

void TMainForm::PickFromPalette() {
    // Where the pointer is now, and the pixel as the screen shows it: lines and
    // fillers pick black like any other pixel.
    ApplyScreenPixel(huetrove::PixelUnderPointer());
}

void TMainForm::FormDpiChanged(TComponent*) {
    LayOutCharts(true);
}

SIZE TMainForm::ClientSizeForDpi(int dpi) const {
    const palettes::ChartFrame frame = palettes::FrameForDpi(dpi);
    const palettes::ChartEntry* shown = palettes::FindChart(panelHeightFrom_);
    const int panelHeight = shown ? palettes::ChartImageSize(*shown, dpi).height : frame.designedPanelHeight;
    return {frame.clientWidth, palettes::FitWindow(chartsCollapsed_, frame.panelTop, panelHeight, dpi).clientHeight};
}

fw::TImage* TMainForm::ChartImage(std::string_view identifier) const {
    return this->*ChartParts(identifier).image;
}

fw::TMenuItem* TMainForm::ChartMenuItem(std::string_view identifier) const {
    return this->*ChartParts(identifier).item;
}

void TMainForm::HideAllPalettes() {
    for (std::string_view identifier : palettes::HideAllOrder())
        ChartImage(identifier)->SetVisible(false);
}

void TMainForm::ShowChart(ChartGroup group, const std::string& identifier, std::string_view clearOther) {
    HideAllPalettes();
    fw::TMenuItem* other = ChartMenuItem(clearOther);
    other->SetChecked(true);
    other->SetChecked(false);
    for (std::string_view candidate : palettes::MatchOrder(group)) {
        if (identifier != candidate)
            continue;
        const palettes::ChartEntry* entry = palettes::FindChart(candidate);
        ChartMenuItem(candidate)->SetChecked(true);
        fw::TImage* image = ChartImage(candidate);
        if (!image->Bitmap())
            image->SetBitmap(MakeChartBitmap(*entry, Dpi()));
        image->SetVisible(true);
        PalettePanel->SetHeight(image->Height());
        panelHeightFrom_ = std::string(candidate);
        PaletteName->SetCaption(std::string(entry->caption));
    }
    // A hidden chart keeps no bitmap: it is drawn again when it is next shown.
    for (const palettes::ChartEntry& entry : palettes::ChartCatalogue()) {
        if (fw::TImage* image = ChartImage(entry.identifier); !image->Visible() && image->Bitmap())
            image->SetBitmap(nullptr);
    }
    chartsCollapsed_ = identifier.empty();
    const palettes::ChartFit fit =
        palettes::FitWindow(identifier.empty(), PalettePanel->Top(), PalettePanel->Height(), Dpi());
    SetClientHeight(fit.clientHeight);
    if (fit.captionTop)
        PaletteName->SetTop(*fit.captionTop);
    UpdateTrayHint();
}

void TMainForm::ShowPalette(const std::string& identifier) {
    ShowChart(ChartGroup::Palette, identifier, "schWXP");
}

void TMainForm::ShowScheme(const std::string& identifier) {
    ShowChart(ChartGroup::Scheme, identifier, "palWeb");
}

void TMainForm::ChartMenuClick(TComponent*, std::string_view identifier) {
    // The menu has already flipped the item's check mark.
    const std::string shown = ChartMenuItem(identifier)->Checked() ? std::string(identifier) : std::string();
    if (palettes::FindChart(identifier)->group == ChartGroup::Palette)
        ShowPalette(shown);
    else
        ShowScheme(shown);
}
