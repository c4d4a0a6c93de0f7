# Checks that a file is at most MAX_SIZE bytes.
#   cmake -DFILE=<file> -DMAX_SIZE=<bytes> -P check-file-size.cmake
cmake_minimum_required(VERSION 3.25)

file(SIZE ${FILE} size)
if(size GREATER MAX_SIZE)
    message(FATAL_ERROR "${FILE} is ${size} bytes, more than ${MAX_SIZE}")
endif()
message(STATUS "${FILE} is ${size} bytes, at most ${MAX_SIZE}")
