# Copies the four packaged files and appends a mark to each, for the installer's tests.
#   cmake -DFROM=<staged folder> -DTO=<folder> -DMARK=<text> -P mark_files.cmake
# Bytes after a program's last section are not loaded, so the marked program still runs.
file(REMOVE_RECURSE ${TO})
file(MAKE_DIRECTORY ${TO})
foreach(name Huetrove.exe Help.chm license.txt cur.dat)
    file(COPY ${FROM}/${name} DESTINATION ${TO})
    file(APPEND ${TO}/${name} "${MARK}")
endforeach()
