# Where the Windows kit (Qt, GMP and MPFR for MinGW-w64) is: the folder that
# MORVANE_WINDOWS_KIT names (cache or environment variable; a kit built the
# same way), or else the kit tarball of ../shared/windows-kit beside the
# clone, checked against its SHA256SUMS and unpacked into the build tree.
# Sets MORVANE_KIT_ROOT. Read from the toolchain file, also in try_compile,
# which is handed the main project's MORVANE_KIT_ROOT.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MORVANE_KIT_ROOT)
if(MORVANE_KIT_ROOT)
    return()
endif()

if(NOT MORVANE_WINDOWS_KIT AND DEFINED ENV{MORVANE_WINDOWS_KIT})
    set(MORVANE_WINDOWS_KIT "$ENV{MORVANE_WINDOWS_KIT}")
endif()
if(MORVANE_WINDOWS_KIT)
    if(NOT EXISTS "${MORVANE_WINDOWS_KIT}/lib/cmake/Qt6/Qt6Config.cmake")
        message(FATAL_ERROR "MORVANE_WINDOWS_KIT=${MORVANE_WINDOWS_KIT} holds no Qt 6 for MinGW "
                            "(no lib/cmake/Qt6/Qt6Config.cmake)")
    endif()
    set(MORVANE_KIT_ROOT "${MORVANE_WINDOWS_KIT}")
    return()
endif()

get_filename_component(kit_dir "${CMAKE_CURRENT_LIST_DIR}/../../shared/windows-kit" ABSOLUTE)
set(kit_tarball "${kit_dir}/morvane-windows-kit.tar.xz")
if(NOT EXISTS "${kit_tarball}" OR NOT EXISTS "${kit_dir}/SHA256SUMS")
    message(FATAL_ERROR "No Windows kit: neither ${kit_tarball} with its SHA256SUMS nor "
                        "MORVANE_WINDOWS_KIT naming an unpacked kit")
endif()
file(STRINGS "${kit_dir}/SHA256SUMS" kit_sum REGEX "morvane-windows-kit\\.tar\\.xz$")
string(REGEX MATCH "^[0-9a-f]+" kit_sum "${kit_sum}")
file(SHA256 "${kit_tarball}" actual_sum)
if(NOT actual_sum STREQUAL kit_sum)
    message(FATAL_ERROR "${kit_tarball}: SHA-256 ${actual_sum}, SHA256SUMS says '${kit_sum}'")
endif()

# Unpacked again only when the tarball changed.
set(unpacked "${CMAKE_BINARY_DIR}/kit")
set(stamp "${unpacked}/sha256")
set(unpacked_sum "")
if(EXISTS "${stamp}")
    file(READ "${stamp}" unpacked_sum)
endif()
if(NOT unpacked_sum STREQUAL kit_sum)
    message(STATUS "Unpacking the Windows kit into ${unpacked}")
    file(REMOVE_RECURSE "${unpacked}")
    file(ARCHIVE_EXTRACT INPUT "${kit_tarball}" DESTINATION "${unpacked}")
    file(WRITE "${stamp}" "${kit_sum}")
endif()
set(MORVANE_KIT_ROOT "${unpacked}/windows-kit")
