# `cmake --install` puts the engine library and its headers in place with a
# CMake package, so another project writes find_package(Vantle) and links
# Vantle::vantle.
include(CMakePackageConfigHelpers)

set(VANTLE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Vantle)

install(TARGETS vantle EXPORT VantleTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
# Headers the engine keeps to itself (and its tests) stay out of the
# package, and so do the web build's rooms.
set(VANTLE_INTERNAL_HEADERS ClockReading.h FramePacer.h InterestTable.h Display.h ShapePolygon.h
    SplashArt.h ObjectRegistry.h PathCycle.h XInputState.h AudioDevice.h
    RunRecord.h RunInput.h SfmlErrors.h StderrCapture.h WavFile.h)
set(internal_patterns)
foreach(header ${VANTLE_INTERNAL_HEADERS})
  list(APPEND internal_patterns PATTERN ${header} EXCLUDE)
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/engine/
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantle
  FILES_MATCHING PATTERN "*.h" ${internal_patterns} PATTERN web EXCLUDE)
install(EXPORT VantleTargets NAMESPACE Vantle:: DESTINATION ${VANTLE_CMAKE_DIR})

# The default font with its licence, vantle_add_game, and a starter project
# to copy out and build against the install.
set(VANTLE_DATA_DIR ${CMAKE_INSTALL_DATADIR}/vantle)
foreach(file VANTLE_FONT_FILE VANTLE_FONT_LICENSE)
  if(NOT EXISTS ${${file}})
    message(WARNING "${${file}} not found (package fonts-dejavu-core): the install lacks it.")
  endif()
endforeach()
if(EXISTS ${VANTLE_FONT_FILE})
  install(FILES ${VANTLE_FONT_FILE} DESTINATION ${VANTLE_DATA_DIR} RENAME vt-font.ttf)
endif()
if(EXISTS ${VANTLE_FONT_LICENSE})
  install(FILES ${VANTLE_FONT_LICENSE} DESTINATION ${VANTLE_DATA_DIR}
    RENAME vt-font-copyright.txt)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/cmake/VantleGame.cmake ${PROJECT_SOURCE_DIR}/cmake/VantleLauncher.sh.in
  DESTINATION ${VANTLE_CMAKE_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/starter/ DESTINATION ${VANTLE_DATA_DIR}/starter)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VantleConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VantleConfig.cmake
  INSTALL_DESTINATION ${VANTLE_CMAKE_DIR}
  PATH_VARS VANTLE_DATA_DIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VantleConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VantleConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/VantleConfigVersion.cmake
  DESTINATION ${VANTLE_CMAKE_DIR})
