# The release: one ZIP with the launcher, its README and a starting configuration
# that users edit in the Settings window. Test programs and the stand-in emulator
# have no install rules, so they never reach it.
#   cmake --build --preset windows --target package
if(NOT WIN32)
    return()
endif()

install(TARGETS ZentavioWrapper RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION .)
# CR LF lines, as the launcher reads them; "zentconfig.ini" must exist before the first run.
install(FILES ${CMAKE_SOURCE_DIR}/docs/zentconfig.example.ini DESTINATION . RENAME zentconfig.ini)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME ZentavioWrapper)
set(CPACK_PACKAGE_VENDOR "Zentavio Wrapper")
set(CPACK_PACKAGE_FILE_NAME ZentavioWrapper-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
