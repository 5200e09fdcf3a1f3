#pragma once
// Form descriptions: the data from which a window is built, read like the window it
// describes (control name, kind, rectangle, texts, font, hint, handlers).
#include <optional>
#include <string>
#include <vector>

#include "framework/Font.h"
#include "framework/Types.h"

namespace fw {

enum class TControlKind { Panel, Label, Image, Bevel, CheckBox, ComboBox, Button, RichEdit };
enum class TBevelCut { bvNone, bvLowered, bvRaised };
enum class TBorderStyle { bsSingle, bsToolWindow, bsNone };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter };
enum class TWindowState { wsNormal, wsMaximized };

struct TControlDesc {
    std::string name{};
    TControlKind kind{};
    std::string parent{};  // empty: the form itself
    int left = 0, top = 0, width = 0, height = 0;
    bool alignTop = false;
    std::string text{};
    std::optional<TFontDesc> font{};
    std::optional<TColor> color{};
    std::string hint{};
    TCursor cursor = crDefault;
    int tabOrder = -1;
    bool visible = true;
    // Panels
    TBevelCut bevelOuter = TBevelCut::bvRaised;
    TBevelCut bevelInner = TBevelCut::bvNone;
    // Labels and images
    bool autoSize = false;
    std::string picture{};  // icon resource for an image
    int pictureSize = 32;
    // Rich edit boxes
    bool readOnly = false;
    bool centered = false;
    int maxLength = 0;
    // Check boxes, combo boxes and buttons
    bool checked = false;
    std::vector<std::string> items{};
    bool flat = false;  // combo boxes: a flat frame, no 3-D edge
    TModalResult modalResult = mrNone;
    bool isDefault = false;
    bool isCancel = false;
    // Handlers and menus, by name
    std::string onClick{};
    std::string onChange{};
    std::string popupMenu{};
};

struct TMenuItemDesc {
    std::string name{};
    std::string caption{};  // "-" for a separator
    std::string shortCut{};
    bool radioItem = false;
    bool autoCheck = false;
    int groupIndex = 0;
    bool checked = false;
    bool visible = true;
    bool isDefault = false;
    std::string onClick{};
    std::vector<TMenuItemDesc> items{};
};

struct TMenuDesc {
    std::string name{};
    bool popup = false;
    std::string onPopup{};
    std::vector<TMenuItemDesc> items{};
};

struct TFormDesc {
    std::string name{};
    std::string caption{};
    TBorderStyle border = TBorderStyle::bsSingle;
    bool minimizeBox = false;
    TFormStyle formStyle = TFormStyle::fsNormal;
    TPosition position = TPosition::poDesigned;
    int left = 0, top = 0, clientWidth = 0, clientHeight = 0;
    TColor color = clBtnFace;
    TFontDesc font{};
    bool showHint = false;
    TCursor cursor = crDefault;
    std::string menu{};  // the menu bar, one of `menus`
    std::string onCreate{}, onActivate{}, onClose{}, onClick{}, onDpiChanged{};
    std::vector<TMenuDesc> menus{};
    std::vector<TControlDesc> controls{};
};

}  // namespace fw
