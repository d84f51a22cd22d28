# The Windows program's resources: the icon at 16 to 256 pixels (one .ico
# from the rendered PNGs, the largest kept as PNG), the version information
# and the application manifest, compiled into morvane.exe.
find_program(ICOTOOL icotool REQUIRED) # Debian's icoutils

set(ico ${CMAKE_CURRENT_BINARY_DIR}/morvane.ico)
set(ico_pngs)
foreach(size IN ITEMS 16 24 32 48 64 128)
    list(APPEND ico_pngs ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/${app_id}.png)
endforeach()
set(ico_large ${CMAKE_CURRENT_BINARY_DIR}/icons/256x256/${app_id}.png)
add_custom_command(OUTPUT ${ico}
    COMMAND ${ICOTOOL} --create --output=${ico} ${ico_pngs} --raw=${ico_large}
    DEPENDS ${ico_pngs} ${ico_large}
    COMMENT "Making the Windows icon"
    VERBATIM)
add_custom_target(morvane_ico DEPENDS ${ico})
set(MORVANE_ICO ${ico} PARENT_SCOPE)

set(manifest ${CMAKE_CURRENT_BINARY_DIR}/morvane.exe.manifest)
configure_file(morvane.exe.manifest.in ${manifest} @ONLY)
configure_file(morvane.rc.in ${CMAKE_CURRENT_BINARY_DIR}/morvane.rc @ONLY)
target_sources(morvane PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/morvane.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/morvane.rc TARGET_DIRECTORY morvane
    PROPERTIES OBJECT_DEPENDS "${ico};${manifest}")
add_dependencies(morvane morvane_ico)
