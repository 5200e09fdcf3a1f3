#include "framework/Font.h"

#include <vector>

#include "framework/DpiScale.h"
#include "framework/Handles.h"

namespace fw {

namespace {

// A handful of fonts in all: a list is enough.
struct CachedFont {
    TFontDesc desc;
    int dpi;
    UniqueFont font;
};

bool SameFont(const TFontDesc& a, const TFontDesc& b) {
    return a.name == b.name && a.size == b.size && a.height == b.height && a.bold == b.bold &&
           a.underline == b.underline;
}

std::vector<CachedFont>& FontCache() {
    static std::vector<CachedFont> cache;
    return cache;
}

}  // namespace

HFONT FontHandle(const TFontDesc& font, int dpi) {
    auto& cache = FontCache();
    for (const CachedFont& cached : cache) {
        if (cached.dpi == dpi && SameFont(cached.desc, font))
            return cached.font.Get();
    }
    // Heights count the character cell without internal leading, as point sizes do.
    const int height = font.height != 0 ? -ScaleToDpi(font.height, dpi) : -MulDiv(font.size, dpi, 72);
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    for (std::size_t i = 0; i < font.name.size() && i + 1 < LF_FACESIZE; ++i)
        lf.lfFaceName[i] = font.name[i];
    HFONT handle = CreateFontIndirectA(&lf);
    cache.push_back({font, dpi, UniqueFont(handle)});
    return handle;
}

COLORREF ColorToRGB(TColor color) {
    if (IsSystemColorRef(color))
        return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

}  // namespace fw
