# Compiles the help pages into the program's help file.
#   cmake -DCOMPILER=<chmcmd or hhc.exe> -DPAGES=<folder of Huetrove.hhp> -DWORK=<scratch folder>
#         -DOUTPUT=<path of Help.chm> [-DPICTURES=<folder of drawn pictures>] [-DVERSION=<version>]
#         [-DSETARCH=<setarch>] [-DPYTHON=<python3>] -P compile_help.cmake
# The drawn pictures (the charts) join the committed ones in the pages' pictures folder.
# chmcmd writes the project's "Compiled file" into its working directory, hhc.exe beside the
# project: compiling a copy of the pages in a folder of our own keeps the sources clean and a
# failed run from leaving a half-written Help.chm behind.
include(${CMAKE_CURRENT_LIST_DIR}/fill_help_pages.cmake)
# chmcmd's compressor reads heap memory it never set, so its output changes with where the
# system placed the heap: run without address randomisation, the same pages compress the same.
set(launcher)
get_filename_component(compilerName ${COMPILER} NAME_WE)
string(TOLOWER ${compilerName} compilerName)
if(SETARCH AND compilerName STREQUAL "chmcmd")
    set(launcher ${SETARCH} -R)
endif()
execute_process(COMMAND ${launcher} ${COMPILER} Huetrove.hhp WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
# hhc.exe returns 1 when it succeeds and 0 when it fails.
set(success 0)
if(compilerName STREQUAL "hhc")
    set(success 1)
endif()
if(NOT result EQUAL success OR NOT EXISTS ${WORK}/Help.chm)
    message(FATAL_ERROR "${COMPILER} could not compile the help (exit code ${result}):\n${output}")
endif()
# The compilers stamp the time of the compile into the file: the same pages must give the same bytes.
if(PYTHON)
    execute_process(COMMAND ${PYTHON} ${CMAKE_CURRENT_LIST_DIR}/clear_chm_times.py ${WORK}/Help.chm
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Could not clear the compile times in ${WORK}/Help.chm")
    endif()
endif()
configure_file(${WORK}/Help.chm ${OUTPUT} COPYONLY)
