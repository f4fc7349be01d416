# Files that ship beside the program: themes, ReadMe.htm (and the generated wave files, see
# tools/). They are copied into the program folder at build time and installed beside it.
file(GLOB QUARROW_THEMES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*.qrw)
set(theme_outputs)
foreach(theme IN LISTS QUARROW_THEMES)
    get_filename_component(theme_name ${theme} NAME)
    set(out ${QUARROW_PROGRAM_DIR}/data/${theme_name})
    add_custom_command(OUTPUT ${out} COMMAND ${CMAKE_COMMAND} -E copy ${theme} ${out}
                       DEPENDS ${theme} VERBATIM)
    list(APPEND theme_outputs ${out})
endforeach()

set(readme_out ${QUARROW_PROGRAM_DIR}/ReadMe.htm)
add_custom_command(OUTPUT ${readme_out}
                   COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/doc/ReadMe.htm ${readme_out}
                   DEPENDS ${PROJECT_SOURCE_DIR}/doc/ReadMe.htm VERBATIM)

add_custom_target(quarrow_assets ALL DEPENDS ${theme_outputs} ${readme_out})
add_dependencies(quarrow quarrow_assets)

install(DIRECTORY ${QUARROW_PROGRAM_DIR}/data DESTINATION ${QUARROW_INSTALL_DIR})
install(FILES ${readme_out} DESTINATION ${QUARROW_INSTALL_DIR})

if(EXISTS ${PROJECT_SOURCE_DIR}/tools/CMakeLists.txt)
    add_subdirectory(tools)
endif()
