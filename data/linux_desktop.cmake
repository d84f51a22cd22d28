# The Linux desktop's files: the icons in the hicolor theme, the desktop
# entry, the AppStream metadata, the manual page and the package's documents.
find_program(GZIP gzip REQUIRED)

foreach(size IN LISTS icon_sizes)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/${app_id}.png
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Debian wants the manual page and the changelog compressed, without a
# timestamp so that two builds give the same bytes.
configure_file(morvane.1.in ${CMAKE_CURRENT_BINARY_DIR}/morvane.1 @ONLY)
set(gzipped)
foreach(file IN ITEMS ${CMAKE_CURRENT_BINARY_DIR}/morvane.1 ${CMAKE_CURRENT_SOURCE_DIR}/changelog)
    get_filename_component(name ${file} NAME)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/gz/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
        COMMAND ${GZIP} -9nf ${copy}
        DEPENDS ${file}
        VERBATIM)
    list(APPEND gzipped ${copy}.gz)
endforeach()
add_custom_target(morvane_documents ALL DEPENDS ${gzipped})

install(FILES ${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${icon_svg} RENAME ${app_id}.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/gz/morvane.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The package's name, in lower case, names its documentation folder.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/gz/changelog.gz copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/morvane)
