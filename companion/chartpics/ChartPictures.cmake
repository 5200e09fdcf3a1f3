# The help's pictures of the ten charts, drawn at build time by chart_pictures from the
# program's own chart code, so that they can never differ from what the program shows.
# Sets chartPicturesDir (the folder they are written to) and chartPictures (their paths).
set(chartPicturesDir ${CMAKE_CURRENT_BINARY_DIR}/chart-pictures)
set(chartPictures)
foreach(chart palWeb palWebHue palWebSafe palWindows palMac palAdobe palVB1 palVB2 schWXP schXP)
    list(APPEND chartPictures ${chartPicturesDir}/chart-${chart}.bmp)
endforeach()

if(CMAKE_CROSSCOMPILING)
    # The program is built for Windows; the picture program must run here, so it is built
    # as a project of its own with this machine's compiler (not the build's toolchain).
    include(ExternalProject)
    set(chartToolDir ${CMAKE_CURRENT_BINARY_DIR}/chart-pictures-tool)
    set(chartTool ${chartToolDir}/chart_pictures${CMAKE_HOST_EXECUTABLE_SUFFIX})
    ExternalProject_Add(chart_pictures_tool
        SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
        BINARY_DIR ${chartToolDir}
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${chartTool}
        # Make decides whether the chart code changed.
        BUILD_ALWAYS ON)
    set(chartToolTarget chart_pictures_tool)
else()
    # Built for the machine it runs on: the tool is an ordinary target of this build.
    add_executable(chart_pictures ${CMAKE_CURRENT_LIST_DIR}/chart_pictures.cpp)
    target_link_libraries(chart_pictures PRIVATE huetrove_portable)
    set_target_properties(chart_pictures PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set(chartTool $<TARGET_FILE:chart_pictures>)
    set(chartToolTarget chart_pictures)
endif()

add_custom_command(
    OUTPUT ${chartPictures}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${chartPicturesDir}
    COMMAND ${chartTool} ${chartPicturesDir}
    DEPENDS ${chartToolTarget} ${chartTool}
    COMMENT "Drawing the help's chart pictures"
    VERBATIM)
