# libjpeg-turbo for Windows, cross-built from Debian's own source package
# (unpacked by scripts/fetch-sources.sh), static, with its SIMD code.
include(ExternalProject)

file(GLOB TERVALEN_LIBJPEG_SOURCE LIST_DIRECTORIES true "${TERVALEN_THIRD_PARTY_DIR}/libjpeg-turbo-*")
list(FILTER TERVALEN_LIBJPEG_SOURCE INCLUDE REGEX "/libjpeg-turbo-[0-9.]+$")
if(NOT TERVALEN_LIBJPEG_SOURCE)
  message(FATAL_ERROR "libjpeg-turbo sources missing in ${TERVALEN_THIRD_PARTY_DIR}: run scripts/fetch-sources.sh")
endif()

set(TERVALEN_LIBJPEG_PREFIX "${CMAKE_BINARY_DIR}/libjpeg-turbo")
ExternalProject_Add(libjpeg_turbo_build
  SOURCE_DIR "${TERVALEN_LIBJPEG_SOURCE}"
  BINARY_DIR "${CMAKE_BINARY_DIR}/libjpeg-turbo-build"
  INSTALL_DIR "${TERVALEN_LIBJPEG_PREFIX}"
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_SIMD=ON
    -DWITH_TURBOJPEG=OFF
    -DCMAKE_EXE_LINKER_FLAGS=-static
  BUILD_BYPRODUCTS "${TERVALEN_LIBJPEG_PREFIX}/lib/libjpeg.a"
  USES_TERMINAL_BUILD OFF)

file(MAKE_DIRECTORY "${TERVALEN_LIBJPEG_PREFIX}/include")
add_library(libjpeg STATIC IMPORTED GLOBAL)
set_target_properties(libjpeg PROPERTIES
  IMPORTED_LOCATION "${TERVALEN_LIBJPEG_PREFIX}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${TERVALEN_LIBJPEG_PREFIX}/include")
add_dependencies(libjpeg libjpeg_turbo_build)
# The library's own decoder, the baseline of the cover benchmark.
set(TERVALEN_DJPEG "${TERVALEN_LIBJPEG_PREFIX}/bin/djpeg.exe")
