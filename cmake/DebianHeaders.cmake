# Debian's header-only libraries (fmt, fast_float, nlohmann/json), for the native and the
# WebAssembly builds alike. The WebAssembly compiler must not search /usr/include as a
# whole (the host's C library lives there), so each library's folder is linked into a
# folder of its own in the build tree and only that is put on the include path.
function(qiro_debian_headers target scope)
  set(folder ${CMAKE_BINARY_DIR}/debian-headers)
  foreach(library ${ARGN})
    if(NOT EXISTS /usr/include/${library})
      message(FATAL_ERROR "/usr/include/${library} is missing: scripts/setup installs it")
    endif()
    file(MAKE_DIRECTORY ${folder})
    file(CREATE_LINK /usr/include/${library} ${folder}/${library} SYMBOLIC)
  endforeach()
  target_include_directories(${target} SYSTEM ${scope} ${folder})
endfunction()
