# Writes the help pages as they are compiled and published: a copy of the sources with the
# drawn pictures beside the committed ones, the navigation bar and the version filled in.
#   cmake -DPAGES=<folder of Huetrove.hhp> -DWORK=<folder to write> [-DPICTURES=<folder of drawn pictures>]
#         [-DVERSION=<version>] -P fill_help_pages.cmake
# compile_help.cmake includes it; the web site runs it alone.
file(REMOVE_RECURSE ${WORK})
file(COPY ${PAGES}/ DESTINATION ${WORK})
if(PICTURES)
    file(COPY ${PICTURES}/ DESTINATION ${WORK}/pictures)
endif()
# A compiled help file has no includes: every page carries the line @HUETROVE_HELP_NAVIGATION@
# where the bar of links to the other pages goes, written once in navigation.part. A page names
# the program's version as @HUETROVE_VERSION@: the project's version (-DVERSION=).
file(READ ${WORK}/navigation.part navigation)
file(REMOVE ${WORK}/navigation.part)
file(GLOB pages ${WORK}/*.htm ${WORK}/*.hhp ${WORK}/*.hhc ${WORK}/*.hhk)
foreach(page ${pages})
    file(READ ${page} text)
    set(filled "${text}")
    string(REPLACE "@HUETROVE_HELP_NAVIGATION@\n" "${navigation}" filled "${filled}")
    if(VERSION)
        string(REPLACE "@HUETROVE_VERSION@" "${VERSION}" filled "${filled}")
    endif()
    if(NOT filled STREQUAL text)
        file(WRITE ${page} "${filled}")
    endif()
endforeach()
