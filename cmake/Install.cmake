# make install PREFIX=dir: bin/Marlow17.dll, lib/libMarlow17.dll.a, include/ (flat, with Marlow17.h)
# and a CMake package so that a host project finds the library with find_package(Marlow17).
include(CMakePackageConfigHelpers)
install(TARGETS Marlow17 EXPORT Marlow17Targets
        RUNTIME DESTINATION bin ARCHIVE DESTINATION lib LIBRARY DESTINATION lib)
install(FILES ${MARLOW17_HEADERS} DESTINATION include)
install(EXPORT Marlow17Targets NAMESPACE Marlow17:: DESTINATION lib/cmake/Marlow17)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/Marlow17Config.cmake.in
  ${CMAKE_BINARY_DIR}/Marlow17Config.cmake INSTALL_DESTINATION lib/cmake/Marlow17)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/Marlow17ConfigVersion.cmake COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/Marlow17Config.cmake ${CMAKE_BINARY_DIR}/Marlow17ConfigVersion.cmake
        DESTINATION lib/cmake/Marlow17)
