// Huetrove's start-up without Huetrove: the same windows, recorded from a running copy by
// the benchmark (bench-windows.txt in the working folder), made again with bare Win32 calls in the program's
// order, with the same phase stamps. Its phases are the system's cost of those windows;
// what Huetrove's phases take beyond them is the program's own.
//
// Left out on purpose: the charts' pixels (the chart images paint their face colour
// only), the program's settings, and the windows made after the first paint (tooltips).
// Fonts: another process's font cannot be read, and the program's windows answer
// WM_GETFONT from outside with none, so every child window gets the one font the program
// uses most, Tahoma at 8 points, with WM_SETFONT as the program sets each control's. A menu
// bar gets as many items as the program's, with empty menus: another process's menus cannot
// be read either (under Wine not even the bar's items, so there is no bar).
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "OneTrayIcon.h"
#include "main/StartupMarks.h"

namespace {

// The program's own stamps, in its own section, so that the benchmark reads both the same way.
using huetrove::MarkStartup;
using huetrove::TStartupMark;

struct Line {
    std::string group;
    long parent = -1;
    std::wstring className;
    UINT classStyle = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    size_t font = 0;
    int menuItems = 0;
    long background = -1;
    std::wstring text;
};

std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::vector<Line> ReadLines(const char* path) {
    std::vector<Line> lines;
    std::ifstream in(path);
    std::string row;
    while (std::getline(in, row)) {
        std::vector<std::string> fields;
        std::istringstream split(row);
        for (std::string field; std::getline(split, field, '\t');)
            fields.push_back(field);
        if (fields.size() < 13)
            continue;
        Line l;
        l.group = fields[0];
        l.parent = std::stol(fields[1]);
        l.className = Wide(fields[2]);
        l.classStyle = static_cast<UINT>(std::stoul(fields[3], nullptr, 16));
        l.style = static_cast<DWORD>(std::stoul(fields[4], nullptr, 16));
        l.exStyle = static_cast<DWORD>(std::stoul(fields[5], nullptr, 16));
        l.x = std::stoi(fields[6]);
        l.y = std::stoi(fields[7]);
        l.width = std::stoi(fields[8]);
        l.height = std::stoi(fields[9]);
        l.font = std::stoul(fields[10]);
        l.menuItems = std::stoi(fields[11]);
        l.background = std::stol(fields[12]);
        l.text = fields.size() > 13 ? Wide(fields[13]) : std::wstring();
        lines.push_back(l);
    }
    return lines;
}

HWND mainWindow = nullptr;

// The program's own classes, here with a procedure that paints the face colour and the
// window's text, as the program's panels and labels look.
LRESULT CALLBACK PlainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) {
            wchar_t text[256];
            const int length = GetWindowTextW(window, text, 256);
            if (length > 0) {
                RECT rc;
                GetClientRect(window, &rc);
                SetBkMode(dc, TRANSPARENT);
                auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
                HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
                DrawTextW(dc, text, length, &rc, DT_LEFT | DT_NOPREFIX);
                if (old)
                    SelectObject(dc, old);
            }
        }
        EndPaint(window, &ps);
        if (window == mainWindow)
            MarkStartup(TStartupMark::FirstPaint);
        return 0;
    }
    if (msg == WM_DESTROY && window == mainWindow)
        PostQuitMessage(0);
    return DefWindowProcW(window, msg, wParam, lParam);
}

class Replay {
public:
    Replay(HINSTANCE instance, std::vector<Line> lines) : instance_(instance), lines_(std::move(lines)) {
        windows_.resize(lines_.size());
        const HDC screen = GetDC(nullptr);
        const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
    }

    // The windows of one group, in the recorded order; top-level windows hidden.
    void Create(const char* group) {
        for (size_t i = 0; i < lines_.size(); ++i) {
            const Line& l = lines_[i];
            if (l.group != group)
                continue;
            RegisterIfMissing(l);
            const bool child = (l.style & WS_CHILD) != 0;
            const HWND parent = l.parent >= 0 ? windows_[static_cast<size_t>(l.parent)] : nullptr;
            HMENU menu = nullptr;
            if (!child && l.menuItems > 0) {
                menu = CreateMenu();
                for (int n = 0; n < l.menuItems; ++n)
                    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"&Menu");
            }
            const HWND window =
                CreateWindowExW(l.exStyle, l.className.c_str(), l.text.c_str(), child ? l.style : l.style & ~WS_VISIBLE,
                                l.x, l.y, l.width, l.height, parent, menu, instance_, nullptr);
            windows_[i] = window;
            if (group == std::string("main") && !child && !mainWindow)
                mainWindow = window;
            if (child)
                SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
            if (l.className.starts_with(L"RichEdit")) {
                SendMessageW(window, EM_SETTEXTMODE, TM_PLAINTEXT | TM_SINGLELEVELUNDO | TM_SINGLECODEPAGE, 0);
                SendMessageW(window, EM_SETBKGNDCOLOR, 0,
                             l.background >= 0 ? static_cast<LPARAM>(l.background)
                                               : static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
            }
        }
    }

    HWND First(const char* group) const {
        for (size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i].group == group)
                return windows_[i];
        return nullptr;
    }

private:
    void RegisterIfMissing(const Line& l) {
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof existing;
        if (GetClassInfoExW(instance_, l.className.c_str(), &existing) ||
            GetClassInfoExW(nullptr, l.className.c_str(), &existing))
            return;
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = l.classStyle;
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = instance_;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = l.className.c_str();
        RegisterClassExW(&wc);
    }

    HINSTANCE instance_;
    std::vector<Line> lines_;
    std::vector<HWND> windows_;
    HFONT font_ = nullptr;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    MarkStartup(TStartupMark::WinMain);
    Replay replay(instance, ReadLines("bench-windows.txt"));
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    LoadLibraryExW(L"riched20.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    replay.Create("application");
    replay.Create("main");
    MarkStartup(TStartupMark::ChartsDrawn);
    replay.Create("tray");
    MarkStartup(TStartupMark::MainFormBuilt);

    // The tray icon is added with its tip, and the tip changes twice as the settings show a
    // chart and a colour.
    OneTrayIcon icon(replay.First("tray") ? replay.First("tray") : mainWindow, "Replay");
    icon.SetTip("Replay // chart");
    icon.SetTip("Replay // chart // colour");
    MarkStartup(TStartupMark::SettingsLoaded);
    replay.Create("picking");
    MarkStartup(TStartupMark::PickFormBuilt);
    replay.Create("about");
    MarkStartup(TStartupMark::AboutFormBuilt);
    replay.Create("preferences");
    MarkStartup(TStartupMark::PreferencesFormBuilt);

    // Shown as the program shows its main window: on top and to the front, then the
    // application window for the taskbar button.
    SetWindowPos(mainWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(mainWindow);
    if (HWND application = replay.First("application"))
        ShowWindow(application, SW_SHOWNA);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
