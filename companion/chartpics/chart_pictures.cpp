// Writes a picture of each of the ten charts for the help, drawn by the program's own
// chart code: the help shows exactly what the program shows, at 100 % scale.
//
//   chart_pictures FOLDER    writes FOLDER/chart-<identifier>.bmp for every chart
//
// Plain 24-bit BMP files: the chart drawing already gives a bottom-up 24-bit DIB, so
// the file is a fixed header and those bytes. Nothing in them depends on the time or
// the machine, so the help file stays the same from build to build.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "palettes/ChartDrawing.h"
#include "palettes/ChartCatalogue.h"

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::vector<std::uint8_t> ChartBitmapFile(const palettes::ChartEntry& entry) {
    const palettes::ChartSize size = palettes::ChartImageSize(entry, fw::kDesignDpi);
    const auto pixelBytes = static_cast<std::uint32_t>(palettes::DibStride(size.width) * size.height);
    constexpr std::uint32_t kFileHeader = 14;
    constexpr std::uint32_t kInfoHeader = 40;
    constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch
    std::vector<std::uint8_t> file;
    file.reserve(kFileHeader + kInfoHeader + pixelBytes);
    // File header: "BM", file size, two reserved words, where the pixels start.
    file.push_back('B');
    file.push_back('M');
    PutLittleEndian(file, kFileHeader + kInfoHeader + pixelBytes, 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, kFileHeader + kInfoHeader, 4);
    // Info header: size, width, height (positive: bottom-up), one plane, 24 bits, no
    // compression, pixel bytes, resolution, no colour table.
    PutLittleEndian(file, kInfoHeader, 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(size.width), 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(size.height), 4);
    PutLittleEndian(file, 1, 2);
    PutLittleEndian(file, 24, 2);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, pixelBytes, 4);
    PutLittleEndian(file, kPixelsPerMetre, 4);
    PutLittleEndian(file, kPixelsPerMetre, 4);
    PutLittleEndian(file, 0, 4);
    PutLittleEndian(file, 0, 4);
    const std::size_t pixels = file.size();
    file.resize(pixels + pixelBytes);
    palettes::DrawPaletteDib24(entry, fw::kDesignDpi, file.data() + pixels);
    return file;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: chart_pictures FOLDER\n");
        return 2;
    }
    for (const palettes::ChartEntry& entry : palettes::ChartCatalogue()) {
        const std::string path = std::string(argv[1]) + "/chart-" + std::string(entry.identifier) + ".bmp";
        if (!WriteFile(path, ChartBitmapFile(entry))) {
            std::fprintf(stderr, "chart_pictures: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
