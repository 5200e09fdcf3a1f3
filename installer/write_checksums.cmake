# Writes the SHA-256 of each download, in the format `sha256sum -c` reads: "<hash>  <name>".
#   cmake -DOUTPUT=<file> -DFILES=<path;path...> -P write_checksums.cmake
set(lines)
foreach(path ${FILES})
    file(SHA256 ${path} hash)
    get_filename_component(name ${path} NAME)
    string(APPEND lines "${hash}  ${name}\n")
endforeach()
file(WRITE ${OUTPUT} "${lines}")
