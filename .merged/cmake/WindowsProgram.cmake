# The Windows program: a window program without a console, with its icon and version data
# as Windows resources, the icon rendered from the program's drawing.
function(mw_windows_program target)
    set(icon ${CMAKE_BINARY_DIR}/pictures/modelwright.ico)
    mw_render_drawing(${PROJECT_SOURCE_DIR}/res/app/modelwright.svg ${icon})
    set(MW_ICON_FILE ${icon})
    configure_file(${PROJECT_SOURCE_DIR}/res/windows/modelwright.rc.in ${CMAKE_BINARY_DIR}/modelwright.rc @ONLY)
    set_source_files_properties(${CMAKE_BINARY_DIR}/modelwright.rc PROPERTIES OBJECT_DEPENDS ${icon})
    target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/modelwright.rc)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
endfunction()
