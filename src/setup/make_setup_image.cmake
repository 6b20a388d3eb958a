# Fills the setup image: the files of the installed program under their installed names,
# filelist.txt naming them, and about.txt, both with CR LF line ends as setup reads them.
#
#   cmake -DMANIFEST=<file> -DIMAGE_DIR=<dir> -DABOUT=<about.txt source> -P make_setup_image.cmake
#
# The manifest holds one "source<TAB>installed name" line per file.
file(STRINGS "${MANIFEST}" entries)
file(MAKE_DIRECTORY "${IMAGE_DIR}")
set(list "")
foreach(entry IN LISTS entries)
  string(REPLACE "\t" ";" pair "${entry}")
  list(GET pair 0 source)
  list(GET pair 1 name)
  if(NOT EXISTS "${source}")
    message(FATAL_ERROR "setup image: ${source} is missing")
  endif()
  get_filename_component(dir "${IMAGE_DIR}/${name}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  # Keeps the source's permissions, so programs stay executable.
  configure_file("${source}" "${IMAGE_DIR}/${name}" COPYONLY)
  string(REPLACE "/" "\\" dosName "${name}")
  string(APPEND list "${dosName}\r\n")
endforeach()

# setup reads only so much of each file; a longer one would lose its last names or lines.
string(LENGTH "${list}" size)
if(size GREATER 2048)
  message(FATAL_ERROR "setup image: filelist.txt has ${size} bytes, setup reads 2048")
endif()
file(WRITE "${IMAGE_DIR}/filelist.txt" "${list}")

file(READ "${ABOUT}" about)
string(REPLACE "\r\n" "\n" about "${about}")
string(REPLACE "\n" "\r\n" about "${about}")
string(LENGTH "${about}" size)
if(size GREATER 4098)
  message(FATAL_ERROR "setup image: about.txt has ${size} bytes, setup reads 4098")
endif()
file(WRITE "${IMAGE_DIR}/about.txt" "${about}")
