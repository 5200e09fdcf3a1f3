# Copies a text file with Windows (CRLF) line endings, whatever endings the checkout gave it.
#   cmake -DINPUT=<file> -DOUTPUT=<file> -P copy_crlf.cmake
file(READ ${INPUT} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUTPUT} "${text}")
