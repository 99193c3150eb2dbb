# vazolar_install_gzipped(<file> <destination>)
# Compresses <file> (relative to the current source folder) at build time with gzip -9n — no
# name and no time stamp inside, so every build gives the same bytes — and installs <file>.gz
# into <destination>.
find_program(VAZOLAR_GZIP gzip REQUIRED)

function(vazolar_install_gzipped file destination)
    get_filename_component(name ${file} NAME)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/gzipped)
    set(compressed ${folder}/${name}.gz)
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${file} ${folder}/${name}
        COMMAND ${VAZOLAR_GZIP} -9nf ${folder}/${name}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${file}
        COMMENT "Compressing ${file}"
        VERBATIM)
    add_custom_target(gzip_${name} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${destination})
endfunction()
