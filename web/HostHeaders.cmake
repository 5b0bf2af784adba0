# The header-only libraries the core uses, for em++: each header is copied
# into the build folder with a package configuration of its own, so that
# find_package() finds the copy and the host's /usr/include never reaches
# the WebAssembly compiler.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
if(NOT EXISTS /usr/include/tl/expected.hpp)
  message(FATAL_ERROR "tl/expected.hpp is missing: apt-get install libexpected-dev")
endif()
file(COPY /usr/include/tl DESTINATION ${host_headers}/include)
file(WRITE ${host_headers}/tl-expected-config.cmake
  "add_library(tl::expected INTERFACE IMPORTED)\n"
  "set_target_properties(tl::expected PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${host_headers}/include)\n")
set(tl-expected_DIR ${host_headers} CACHE PATH "tl::expected's header, copied for em++" FORCE)
