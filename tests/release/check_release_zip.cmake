# Makes the release ZIP of a build folder and checks what a player unzips:
#   cmake -DCPACK=<cpack> -DBUILD=<build folder> -DCONFIG=<configuration>
#         -DVERSION=<project version> -P check_release_zip.cmake
# The ZIP is named after the version and holds exactly the release's own files,
# with no folder around them, so that it unzips straight into the emulator's
# folder and, over an older release, replaces nothing that a player made.

cmake_minimum_required(VERSION 3.25)

set(out ${BUILD}/release-check)
file(REMOVE_RECURSE ${out})
execute_process(COMMAND ${CPACK} -G ZIP -C ${CONFIG} -B ${out} --config ${BUILD}/CPackConfig.cmake
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
set(zip ${out}/ZentavioWrapper-${VERSION}-win64.zip)
if(NOT result EQUAL 0 OR NOT EXISTS ${zip})
    message(FATAL_ERROR "cpack made no ${zip}:\n${log}")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${zip} OUTPUT_VARIABLE listing
                COMMAND_ERROR_IS_FATAL ANY)
string(STRIP "${listing}" listing)
string(REPLACE "\n" ";" entries "${listing}")
if("zentconfig.ini" IN_LIST entries)
    message(FATAL_ERROR "the ZIP holds zentconfig.ini: unzipped over an older release, "
                        "it would replace the player's games")
endif()
set(expected CHANGELOG.txt LICENSE.txt README.txt ZentavioWrapper.exe zentconfig.example.ini)
list(SORT entries)
if(NOT entries STREQUAL expected)
    message(FATAL_ERROR "the ZIP holds\n  ${entries}\ninstead of\n  ${expected}")
endif()

# A starting file with Unix line ends would read as one long line and be refused.
file(ARCHIVE_EXTRACT INPUT ${zip} DESTINATION ${out}/unzipped PATTERNS zentconfig.example.ini)
# Read as bytes ("0d 0a " is CR LF): file(READ) as text drops the CRs.
file(READ ${out}/unzipped/zentconfig.example.ini ini HEX)
string(REGEX REPLACE "(..)" "\\1 " bytes "${ini}")
string(REPLACE "0d 0a " "" bare "${bytes}")
if(NOT bytes MATCHES "0d 0a $" OR bare MATCHES "0[ad] ")
    message(FATAL_ERROR "zentconfig.example.ini must end every line with CR LF")
endif()
message(STATUS "${zip}: ${entries}")
