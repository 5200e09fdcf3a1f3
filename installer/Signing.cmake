# A signed release is one option away. Given a code-signing certificate, the build signs
# what ships and runs: Huetrove.exe, the uninstaller inside the setup and the setup itself,
# before SHA256SUMS is written. Without one the downloads are the same bytes as ever.
set(HUETROVE_SIGN_CERT "" CACHE FILEPATH
    "Code-signing certificate: a PKCS#12 file (.pfx, .p12) with its key, or a PEM certificate with HUETROVE_SIGN_KEY; empty: nothing is signed")
set(HUETROVE_SIGN_KEY "" CACHE FILEPATH
    "The certificate's private key (PEM), when HUETROVE_SIGN_CERT holds none (osslsigncode only)")
set(HUETROVE_SIGN_PASSWORD_FILE "" CACHE FILEPATH
    "A file whose first line is the password of the key or of the PKCS#12 file; the password itself stays out of the build's files")
set(HUETROVE_SIGN_TIMESTAMP_URL "" CACHE STRING
    "An RFC 3161 timestamp server, so that the signatures stay valid after the certificate expires")

# signtool from the newest Windows SDK on Windows; osslsigncode elsewhere.
set(signToolHints)
if(CMAKE_HOST_WIN32)
    file(GLOB kitTools "$ENV{ProgramFiles\(x86\)}/Windows Kits/10/bin/*/x64/signtool.exe")
    list(SORT kitTools COMPARE NATURAL ORDER DESCENDING)
    foreach(tool ${kitTools})
        get_filename_component(dir ${tool} DIRECTORY)
        list(APPEND signToolHints ${dir})
    endforeach()
    find_program(HUETROVE_SIGN_TOOL NAMES signtool osslsigncode HINTS ${signToolHints}
                 DOC "The signing tool: signtool or osslsigncode")
else()
    find_program(HUETROVE_SIGN_TOOL NAMES osslsigncode DOC "The signing tool: signtool or osslsigncode")
endif()
set(HUETROVE_SIGN_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/sign_file.cmake)

# huetrove_sign_settings(<settings file> CERT <file> [KEY <file>] [PASSWORD_FILE <file>] [TIMESTAMP_URL <url>])
# Writes what installer/sign_file.cmake reads: the tool, the certificate and the rest.
function(huetrove_sign_settings settings)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "CERT;KEY;PASSWORD_FILE;TIMESTAMP_URL" "")
    if(NOT HUETROVE_SIGN_TOOL)
        message(FATAL_ERROR "Signing asked for, but neither osslsigncode nor signtool was found (set HUETROVE_SIGN_TOOL)")
    endif()
    get_filename_component(tool ${HUETROVE_SIGN_TOOL} NAME_WE)
    string(TOLOWER ${tool} tool)
    if(tool STREQUAL "signtool" AND arg_KEY)
        message(FATAL_ERROR "signtool signs with a PKCS#12 file only: give it as HUETROVE_SIGN_CERT, without HUETROVE_SIGN_KEY")
    endif()
    set(text "# Written by the configure step (installer/Signing.cmake) for installer/sign_file.cmake.\n")
    foreach(name TOOL CERT KEY PASSWORD_FILE TIMESTAMP_URL DESCRIPTION URL)
        if(name STREQUAL "TOOL")
            set(value ${HUETROVE_SIGN_TOOL})
        elseif(name STREQUAL "DESCRIPTION")
            set(value ${PROJECT_NAME})
        elseif(name STREQUAL "URL")
            set(value ${HUETROVE_WEB_PAGE})
        else()
            set(value "${arg_${name}}")
        endif()
        string(APPEND text "set(SIGN_${name} [==[${value}]==])\n")
    endforeach()
    # Rewritten only when it changes, or every configure step would sign everything again.
    set(old)
    if(EXISTS ${settings})
        file(READ ${settings} old)
    endif()
    if(NOT old STREQUAL text)
        file(WRITE ${settings} "${text}")
    endif()
endfunction()

# The build's own signing, when a certificate is given.
if(HUETROVE_SIGN_CERT)
    foreach(file HUETROVE_SIGN_CERT HUETROVE_SIGN_KEY HUETROVE_SIGN_PASSWORD_FILE)
        if(${file} AND NOT EXISTS ${${file}})
            message(FATAL_ERROR "${file}: ${${file}} does not exist")
        endif()
    endforeach()
    set(HUETROVE_SIGN_SETTINGS ${CMAKE_CURRENT_BINARY_DIR}/sign-settings.cmake)
    huetrove_sign_settings(${HUETROVE_SIGN_SETTINGS} CERT "${HUETROVE_SIGN_CERT}" KEY "${HUETROVE_SIGN_KEY}"
        PASSWORD_FILE "${HUETROVE_SIGN_PASSWORD_FILE}" TIMESTAMP_URL "${HUETROVE_SIGN_TIMESTAMP_URL}")
    message(STATUS "The downloads are signed with ${HUETROVE_SIGN_CERT} (${HUETROVE_SIGN_TOOL})")
else()
    set(HUETROVE_SIGN_SETTINGS)
endif()
