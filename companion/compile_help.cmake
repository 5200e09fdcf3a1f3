# Compiles the help pages into the program's help file.
#   cmake -DCOMPILER=<chmcmd or hhc.exe> -DPAGES=<folder of Huetrove.hhp> -DWORK=<scratch folder>
#         -DOUTPUT=<path of Help.chm> -P compile_help.cmake
# chmcmd writes the project's "Compiled file" into its working directory, hhc.exe beside the
# project: compiling a copy of the pages in a folder of our own keeps the sources clean and a
# failed run from leaving a half-written Help.chm behind.
file(REMOVE_RECURSE ${WORK})
file(COPY ${PAGES}/ DESTINATION ${WORK})
execute_process(COMMAND ${COMPILER} Huetrove.hhp WORKING_DIRECTORY ${WORK}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
# hhc.exe returns 1 when it succeeds and 0 when it fails.
get_filename_component(compilerName ${COMPILER} NAME_WE)
string(TOLOWER ${compilerName} compilerName)
set(success 0)
if(compilerName STREQUAL "hhc")
    set(success 1)
endif()
if(NOT result EQUAL success OR NOT EXISTS ${WORK}/Help.chm)
    message(FATAL_ERROR "${COMPILER} could not compile the help (exit code ${result}):\n${output}")
endif()
configure_file(${WORK}/Help.chm ${OUTPUT} COPYONLY)
