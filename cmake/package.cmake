# The release: one ZIP that players unzip straight into the emulator's folder.
# It holds only files of the release itself, never one that a player keeps
# (zentconfig.ini, tempavio.cfg), so a new release unzips over an older one.
# Test programs and the stand-in emulator have no install rules, so they never
# reach it.
#   cmake --build --preset windows --target package
if(NOT WIN32)
    return()
endif()

install(TARGETS ZentavioWrapper RUNTIME DESTINATION .)
# Plain text with Windows names, to open with a double-click.
install(FILES ${CMAKE_SOURCE_DIR}/docs/player/README.txt DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${CMAKE_SOURCE_DIR}/CHANGELOG.md DESTINATION . RENAME CHANGELOG.txt)
# The starting configuration under a name of its own: README.txt tells players
# to copy it to zentconfig.ini. CR LF lines, as the launcher reads them.
install(FILES ${CMAKE_SOURCE_DIR}/docs/zentconfig.example.ini DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ZentavioWrapper)
set(CPACK_PACKAGE_VENDOR "Zentavio Wrapper")
set(CPACK_PACKAGE_FILE_NAME ZentavioWrapper-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)

if(BUILD_TESTING)
    add_test(NAME release_zip
             COMMAND ${CMAKE_COMMAND} -DCPACK=${CMAKE_CPACK_COMMAND} -DBUILD=${CMAKE_BINARY_DIR}
                     -DCONFIG=$<CONFIG> -DVERSION=${PROJECT_VERSION}
                     -P ${CMAKE_SOURCE_DIR}/tests/release/check_release_zip.cmake)
endif()
