#include "framework/Font.h"

#include <map>
#include <tuple>

#include "framework/DpiScale.h"
#include "framework/Handles.h"

namespace fw {

namespace {

using FontKey = std::tuple<std::string, int, int, bool, bool, int>;

std::map<FontKey, UniqueFont>& FontCache() {
    static std::map<FontKey, UniqueFont> cache;
    return cache;
}

}  // namespace

HFONT FontHandle(const TFontDesc& font, int dpi) {
    FontKey key{font.name, font.size, font.height, font.bold, font.underline, dpi};
    auto& cache = FontCache();
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second.Get();
    // Heights count the character cell without internal leading, as point sizes do.
    const int height = font.height != 0 ? -ScaleToDpi(font.height, dpi) : -MulDiv(font.size, dpi, 72);
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
    HFONT handle = CreateFontIndirectA(&lf);
    cache.emplace(key, UniqueFont(handle));
    return handle;
}

COLORREF ColorToRGB(TColor color) {
    if (IsSystemColorRef(color))
        return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

}  // namespace fw
