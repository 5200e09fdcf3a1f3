# Writes the time the packages carry, in seconds since 1970: SOURCE_DATE_EPOCH when it is
# given, else the time of the checkout's last commit, else (a source archive with no history)
# a fixed time, 1980-01-01, the earliest a zip entry holds.
#   cmake -DSOURCE_DIR=<checkout> -DOUTPUT=<file> -P SourceDateEpoch.cmake
# Run at every build; the file changes only when the time does, and the packages are remade then.
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
    set(epoch "$ENV{SOURCE_DATE_EPOCH}")
    set(origin "SOURCE_DATE_EPOCH")
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${SOURCE_DIR}
                    RESULT_VARIABLE result OUTPUT_VARIABLE epoch ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(origin "the last commit")
    if(NOT result EQUAL 0 OR epoch STREQUAL "")
        set(epoch 315532800)
        set(origin "no SOURCE_DATE_EPOCH and no git history, so a fixed time")
    endif()
endif()
if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH must be seconds since 1970, not '${epoch}'")
endif()

if(EXISTS ${OUTPUT})
    file(READ ${OUTPUT} previous)
    if(previous STREQUAL "${epoch}\n")
        return()
    endif()
endif()
# string(TIMESTAMP) reads SOURCE_DATE_EPOCH itself: give it the time chosen here.
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP when "%Y-%m-%d %H:%M:%S UTC" UTC)
message(STATUS "Packages dated ${when} (${epoch}), from ${origin}")
file(WRITE ${OUTPUT} "${epoch}\n")
