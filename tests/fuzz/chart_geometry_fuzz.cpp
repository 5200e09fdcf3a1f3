// Chart drawing at any DPI the system can report: the pitch, the image's size, the
// window's frame around it, and the drawing into a bitmap of exactly that size.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "palettes/ChartDrawing.h"
#include "palettes/ChartCatalogue.h"
#include "palettes/ChartCellColors.h"
#include "palettes/ChartLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // From 1 to four times the system's highest scale (480 DPI) for the geometry; the
    // drawing up to that scale, to keep each run short.
    const int dpi = input.ConsumeIntegralInRange(1, 1920);
    const auto charts = palettes::ChartCatalogue();
    const palettes::ChartEntry& entry = charts[input.ConsumeIntegralInRange<std::size_t>(0, charts.size() - 1)];

    const palettes::ChartFrame frame = palettes::FrameForDpi(dpi);
    const palettes::ChartSize image = palettes::ChartImageSize(entry, dpi);
    const int pitch = palettes::ChartPitch(entry.group, dpi);
    Check(pitch >= 2);
    // Every chart as wide as the panel holds, and the cells' colours fill the grid.
    Check(image.width + 2 == frame.panelWidth && frame.clientWidth >= frame.panelLeft + frame.panelWidth);
    Check(palettes::ChartCellColors(entry).size() == static_cast<std::size_t>(entry.CellCount()));
    const palettes::ChartFit fit = palettes::FitWindow(input.ConsumeBool(), frame.panelTop, image.height + 2, dpi);
    Check(fit.clientHeight >= frame.panelTop);
    const int stride = palettes::DibStride(image.width);
    Check(stride % 4 == 0 && stride >= 3 * image.width && stride < 3 * image.width + 4);

    if (dpi <= 480) {
        // Exactly the bitmap's bytes: the sanitizer reports any write past them.
        std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride) * static_cast<std::size_t>(image.height));
        palettes::DrawPaletteDib24(entry, dpi, bits.data());
        // The corners lie on the grid's lines: black.
        Check(bits[0] == 0 && bits[bits.size() - static_cast<std::size_t>(stride)] == 0);
    }
    return 0;
}
