# cmake -DFILE=<path> -DSIZE=<bytes> -P check_size.cmake
# Fails, and removes FILE, unless FILE is exactly SIZE bytes long.
file(SIZE "${FILE}" actual)
if(NOT actual EQUAL SIZE)
  file(REMOVE "${FILE}")
  message(FATAL_ERROR "${FILE} is ${actual} bytes, it must be ${SIZE}")
endif()
