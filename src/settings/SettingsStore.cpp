#include "settings/SettingsStore.h"

#include <windows.h>

#include "framework/Exception.h"
#include "settings/RegistryStore.h"
#include "shared/CompanionFiles.h"

namespace settings {

namespace {

constexpr char kNoProgramPath[] = "Huetrove cannot start with Windows: the path of its program file cannot be read";

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& a = info.rcWork;
        reinterpret_cast<std::vector<Rect>*>(data)->push_back({a.left, a.top, a.right, a.bottom});
    }
    return TRUE;
}

// The executable, quoted so that a path with spaces cannot be taken for another program
// followed by arguments. Empty when the path cannot be had: such a value would start nothing.
std::wstring RunCommand() {
    const std::wstring path = huetrove::ExecutablePath();
    if (path.empty())
        return path;
    std::wstring command(1, L'"');
    command += path;
    return command += L'"';
}

}  // namespace

std::vector<Rect> WorkAreas() {
    std::vector<Rect> areas;
    EnumDisplayMonitors(nullptr, nullptr, &AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

LoadedSettings LoadMainFormSettings(Point firstRun) {
    LoadedSettings loaded;
    loaded.values.position = firstRun;
    if (!KeyExists(kSettingsKeyPath))
        return loaded;  // nothing is written until the first save
    loaded.stored = true;

    // A value that cannot be read takes its first-run default and reading goes on.
    const auto readOr = [&loaded](auto read, auto fallback) -> decltype(fallback) {
        try {
            return read();
        } catch (const fw::Exception& e) {
            loaded.problems += (loaded.problems.empty() ? "" : "\n") + std::string(e.what());
            return fallback;
        }
    };
    const RegistryKey key(kSettingsKeyPath, KeyAccess::Read);
    MainFormSettings& values = loaded.values;
    values.position.y = readOr([&] { return key.ReadInteger(kWindowTop); }, firstRun.y);
    values.position.x = readOr([&] { return key.ReadInteger(kWindowLeft); }, firstRun.x);
    values.activePS = readOr([&] { return key.ReadString(kActivePS); }, std::string(kDefaultActivePS));
    values.preferences.minimizeClose = readOr([&] { return key.ReadBool(kMinimizeClose); }, true);
    values.preferences.systemStartup = readOr([&] { return key.ReadBool(kSystemStartup); }, false);
    values.preferences.dblClickAction =
        readOr([&] { return key.ReadString(kDblClickAction); }, std::string(kActionNone));
    return loaded;
}

void SaveMainFormSettings(const MainFormSettings& values) {
    {
        RegistryKey key(kSettingsKeyPath);
        key.WriteInteger(kWindowTop, values.position.y);
        key.WriteInteger(kWindowLeft, values.position.x);
        key.WriteString(kActivePS, values.activePS);
        key.WriteBool(kMinimizeClose, values.preferences.minimizeClose);
        key.WriteBool(kSystemStartup, values.preferences.systemStartup);
        key.WriteString(kDblClickAction, values.preferences.dblClickAction);
    }
    RegistryKey run(kRunKeyPath);
    if (values.preferences.systemStartup) {
        const std::wstring command = RunCommand();
        if (command.empty())
            throw fw::Exception(kNoProgramPath);  // an empty value would start nothing
        run.WriteString(kRunValueName, command);
    } else {
        run.DeleteValue(kRunValueName);
    }
}

}  // namespace settings
