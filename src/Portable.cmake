# The portable code (no windows.h): one library that the program and the native unit
# tests both link, so its sources are listed here alone.
set(huetroveSrc ${CMAKE_CURRENT_LIST_DIR})
add_library(huetrove_portable STATIC
    ${huetroveSrc}/framework/ErrorText.cpp
    ${huetroveSrc}/framework/ShortCut.cpp
    ${huetroveSrc}/palettes/ChartDrawing.cpp
    ${huetroveSrc}/palettes/ChartCatalogue.cpp
    ${huetroveSrc}/palettes/ChartCellColors.cpp
    ${huetroveSrc}/palettes/ChartLayout.cpp
    ${huetroveSrc}/palettes/ChartColorLists.cpp
    ${huetroveSrc}/settings/StoredSettings.cpp
    ${huetroveSrc}/shared/ColorText.cpp
    ${huetroveSrc}/shared/ZoneIdentifier.cpp
    ${huetroveSrc}/tray/TrayClickRules.cpp)
target_include_directories(huetrove_portable PUBLIC ${huetroveSrc})
