# The Windows program as it ships: morvane.exe with everything it loads beside
# it (Qt, its windows platform plugin and WindowsVista style, MPFR and GMP, the
# MinGW runtime) and the licences of those libraries. `cpack` makes from it
# morvane-<version>-win64-setup.exe (NSIS, 64-bit) and the portable
# morvane-<version>-win64.zip.
set(kit ${MORVANE_KIT_ROOT})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/deploy)
set(runtime_dlls)
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(path "${path}" REALPATH)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "The MinGW runtime's ${dll} is not where ${CMAKE_CXX_COMPILER} says")
    endif()
    # Debian's copies carry their debugging symbols (libstdc++ 23 MB, 2 MB without).
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${CMAKE_BINARY_DIR}/deploy/${dll}
                            ${path} COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND runtime_dlls ${CMAKE_BINARY_DIR}/deploy/${dll})
endforeach()
set(library_dlls ${kit}/bin/Qt6Core.dll ${kit}/bin/Qt6Gui.dll ${kit}/bin/Qt6Widgets.dll
                 ${kit}/bin/libmpfr-6.dll ${kit}/bin/libgmp-10.dll)

install(TARGETS morvane RUNTIME DESTINATION .)
install(FILES ${library_dlls} ${runtime_dlls} DESTINATION .)
install(FILES ${kit}/plugins/platforms/qwindows.dll DESTINATION plugins/platforms)
install(FILES ${kit}/plugins/styles/qwindowsvistastyle.dll DESTINATION plugins/styles)
# Qt looks for its plugins under the program's folder.
file(WRITE ${CMAKE_BINARY_DIR}/deploy/qt.conf "[Paths]\nPrefix = .\nPlugins = plugins\n")
install(FILES ${CMAKE_BINARY_DIR}/deploy/qt.conf DESTINATION .)

# Licences: Debian's copyright files of the same sources, and the licence
# texts they name.
set(licenses
    "${PROJECT_SOURCE_DIR}/data/copyright|Morvane.txt"
    "/usr/share/doc/libqt6core6/copyright|Qt.txt"
    "/usr/share/doc/libmpfr6/copyright|MPFR.txt"
    "/usr/share/doc/libgmp10/copyright|GMP.txt"
    "/usr/share/doc/gcc-mingw-w64-base/copyright|MinGW-w64-GCC-runtime.txt"
    "/usr/share/doc/mingw-w64-common/copyright|MinGW-w64-winpthreads.txt"
    "/usr/share/common-licenses/LGPL-3|LGPL-3.txt"
    "/usr/share/common-licenses/GPL-3|GPL-3.txt"
    "/usr/share/common-licenses/GPL-2|GPL-2.txt")
foreach(entry IN LISTS licenses)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 source)
    list(GET entry 1 name)
    if(NOT EXISTS "${source}")
        message(FATAL_ERROR "The licence text ${source} is missing")
    endif()
    install(FILES ${source} DESTINATION licenses RENAME ${name})
endforeach()

# What the cross-built tests load under Wine, in one folder that WINEPATH
# names: links to the DLLs, and the kit's plugins beside them where Qt looks.
set(MORVANE_WINE_RUNTIME ${CMAKE_BINARY_DIR}/wine-runtime)
file(REMOVE_RECURSE ${MORVANE_WINE_RUNTIME})
file(MAKE_DIRECTORY ${MORVANE_WINE_RUNTIME}/bin)
foreach(dll IN LISTS library_dlls runtime_dlls ITEMS ${kit}/bin/Qt6Test.dll)
    get_filename_component(name ${dll} NAME)
    file(CREATE_LINK ${dll} ${MORVANE_WINE_RUNTIME}/bin/${name} SYMBOLIC)
endforeach()
file(CREATE_LINK ${kit}/plugins ${MORVANE_WINE_RUNTIME}/plugins SYMBOLIC)

# --- the packages ---------------------------------------------------------------

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR "Morvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Morvane: convert a point between polar and rectangular coordinates")
set(CPACK_PACKAGE_FILE_NAME morvane-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Morvane)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Morvane)
set(CPACK_PACKAGE_EXECUTABLES morvane Morvane)
set(CPACK_STRIP_FILES ON)
# The zip unpacks to one folder named like itself.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME Morvane)
set(CPACK_NSIS_DISPLAY_NAME Morvane)
set(CPACK_NSIS_INSTALLED_ICON_NAME morvane.exe)
set(CPACK_NSIS_MUI_ICON ${MORVANE_ICO})
set(CPACK_NSIS_MUI_UNIICON ${MORVANE_ICO})
set(CPACK_NSIS_URL_INFO_ABOUT "https://morvane.org/")
set(CPACK_NSIS_CONTACT "dev@morvane.org")
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# CMake's own NSIS script with two lines more: Debian's makensis writes a
# 32-bit installer, which does not run where only 64-bit programs do, unless
# told; and the uninstaller also removes the vendor's registry key it leaves.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in nsis_template)
string(REPLACE "!define VERSION " "Target amd64-unicode\n  !define VERSION " nsis_template
               "${nsis_template}")
set(product_key [[DeleteRegKey /ifempty SHCTX "Software\@CPACK_PACKAGE_VENDOR@\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@"]])
string(REPLACE "${product_key}"
               "${product_key}\n  DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@\""
               nsis_template "${nsis_template}")
file(WRITE ${CMAKE_BINARY_DIR}/nsis/NSIS.template.in "${nsis_template}")
set(CPACK_MODULE_PATH ${CMAKE_BINARY_DIR}/nsis)
# The installer's name says what it is.
file(WRITE ${CMAKE_BINARY_DIR}/cpack_windows.cmake
     "if(CPACK_GENERATOR STREQUAL \"NSIS\")\n"
     "    set(CPACK_PACKAGE_FILE_NAME \"${CPACK_PACKAGE_FILE_NAME}-setup\")\n"
     "endif()\n")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/cpack_windows.cmake)
include(CPack)
