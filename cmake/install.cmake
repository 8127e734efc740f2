# `cmake --install` puts the engine library and its headers in place with a
# CMake package, so another project writes find_package(Vantle) and links
# Vantle::vantle.
include(CMakePackageConfigHelpers)

set(VANTLE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Vantle)

install(TARGETS vantle EXPORT VantleTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
# Headers the engine keeps to itself (and its tests) stay out of the package.
set(VANTLE_INTERNAL_HEADERS ClockReading.h FramePacer.h InterestTable.h Display.h ShapePolygon.h
    SplashArt.h ObjectRegistry.h PathCycle.h XInputState.h AudioDevice.h
    RunRecord.h RunInput.h)
set(internal_patterns)
foreach(header ${VANTLE_INTERNAL_HEADERS})
  list(APPEND internal_patterns PATTERN ${header} EXCLUDE)
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/engine/
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantle
  FILES_MATCHING PATTERN "*.h" ${internal_patterns})
install(EXPORT VantleTargets NAMESPACE Vantle:: DESTINATION ${VANTLE_CMAKE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VantleConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VantleConfig.cmake
  INSTALL_DESTINATION ${VANTLE_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VantleConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VantleConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/VantleConfigVersion.cmake
  DESTINATION ${VANTLE_CMAKE_DIR})
