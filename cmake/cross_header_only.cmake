# In a cross-build, CLI11 and nlohmann-json come from the host's Debian
# packages: they are header-only, so the same headers serve the target. Their
# CMake packages would put all of /usr/include on the include path, where
# glibc's headers would shadow the target's; instead each library's own
# header folder is linked into the build tree and offered as an interface
# target of the usual name.
set(VALVENET_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)

# name     : the imported target, e.g. CLI11::CLI11
# folder   : the header folder under the host's include directory, e.g. CLI
# header   : a file in it that proves the package is installed
function(valvenet_host_header_library name folder header)
  find_path(_dir ${folder}/${header} PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT _dir)
    return()
  endif()
  file(MAKE_DIRECTORY ${VALVENET_HOST_HEADERS})
  if(NOT EXISTS ${VALVENET_HOST_HEADERS}/${folder})
    file(CREATE_LINK ${_dir}/${folder} ${VALVENET_HOST_HEADERS}/${folder} SYMBOLIC)
  endif()
  add_library(${name} INTERFACE IMPORTED GLOBAL)
  target_include_directories(${name} SYSTEM INTERFACE ${VALVENET_HOST_HEADERS})
  unset(_dir CACHE)
endfunction()

valvenet_host_header_library(CLI11::CLI11 CLI CLI.hpp)
valvenet_host_header_library(nlohmann_json::nlohmann_json nlohmann json.hpp)
if(TARGET CLI11::CLI11)
  set(CLI11_FOUND TRUE)
endif()
if(TARGET nlohmann_json::nlohmann_json)
  set(nlohmann_json_FOUND TRUE)
endif()
