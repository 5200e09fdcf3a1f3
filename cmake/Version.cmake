# The one place the version is set is project() in the top CMakeLists.txt; from there it
# reaches the program's version resource, the setup program and the help.

# huetrove_version_quad(<out> <version>): the version as the four numbers a version
# resource wants, 1.0 as 1.0.0.0.
function(huetrove_version_quad out version)
    string(REPLACE "." ";" numbers ${version})
    list(APPEND numbers 0 0 0)
    list(SUBLIST numbers 0 4 numbers)
    list(JOIN numbers "." quad)
    set(${out} ${quad} PARENT_SCOPE)
endfunction()

huetrove_version_quad(HUETROVE_VERSION_QUAD ${PROJECT_VERSION})
string(REPLACE "." ", " HUETROVE_VERSION_NUMBERS ${HUETROVE_VERSION_QUAD})
# What the program and the setup say of whose they are.
set(HUETROVE_PUBLISHER "Brightquill")
set(HUETROVE_COPYRIGHT "Copyright (c) 2026 ${HUETROVE_PUBLISHER}")
# What the program is, in a few words: its version resource and the package managers' entries.
set(HUETROVE_DESCRIPTION "Huetrove colour picker")
