# Qt for Windows is built without its SVG reader. There each drawing of a resource file goes
# into the resources as a PNG picture under the drawing's own name (Qt reads a picture by its
# content), rendered at twice the drawing's size by this machine's render_icons, so that it is
# sharp at 1x (halved) and at 2x. The drawings stay the one source: the pictures are rendered
# when the build is configured, and a changed drawing configures it again.
#   mw_drawings_as_pictures(OUT_VARIABLE RESOURCE_FILE.qrc...)
# sets OUT_VARIABLE to resource files of the same names that hold the pictures. A drawing's
# source property MW_PICTURE_SCALE renders it larger.
set(MW_HOST_RENDER_ICONS "" CACHE FILEPATH "render_icons built for this machine (cmake --build build --target render_icons)")
if(NOT EXISTS "${MW_HOST_RENDER_ICONS}")
    message(FATAL_ERROR "The Windows window program needs the host's render_icons: configure with "
        "-DMW_HOST_RENDER_ICONS=PATH (build it with cmake --build build --target render_icons)")
endif()

# mw_render_drawing(DRAWING OUTPUT [SCALE]): renders the drawing as a PNG picture at SCALE
# times its size, or as a Windows icon when OUTPUT ends in .ico, unless it is up to date.
function(mw_render_drawing drawing output)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${drawing})
    if(EXISTS ${output} AND NOT ${drawing} IS_NEWER_THAN ${output})
        return()
    endif()
    get_filename_component(folder ${output} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${MW_HOST_RENDER_ICONS} ${drawing} ${output} ${ARGN}
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "Cannot render ${drawing}: ${errors}")
    endif()
endfunction()

function(mw_drawings_as_pictures out_variable)
    set(resource_files)
    foreach(qrc ${ARGN})
        get_filename_component(qrc_folder ${qrc} DIRECTORY)
        get_filename_component(qrc_name ${qrc} NAME)
        get_filename_component(qrc_base ${qrc} NAME_WE)
        set(out_folder ${CMAKE_BINARY_DIR}/pictures/${qrc_base})
        file(READ ${qrc} text)
        string(REGEX MATCH "prefix=\"([^\"]*)\"" unused "${text}")
        set(prefix ${CMAKE_MATCH_1})
        string(REGEX MATCHALL "<file[^>]*>[^<]*</file>" entries "${text}")
        set(lines)
        foreach(entry ${entries})
            string(REGEX MATCH "<file( alias=\"([^\"]*)\")?>([^<]*)</file>" unused "${entry}")
            set(alias "${CMAKE_MATCH_2}")
            set(path "${CMAKE_MATCH_3}")
            if(alias STREQUAL "")
                set(alias "${path}")
            endif()
            get_filename_component(source ${qrc_folder}/${path} ABSOLUTE)
            set(file ${source})
            if(path MATCHES "\\.svg$")
                set(file ${out_folder}/${alias}.png)
                get_source_file_property(scale ${source} MW_PICTURE_SCALE)
                if(NOT scale)
                    set(scale 2)
                endif()
                mw_render_drawing(${source} ${file} ${scale})
            endif()
            string(APPEND lines "    <file alias=\"${alias}\">${file}</file>\n")
        endforeach()
        file(CONFIGURE OUTPUT ${out_folder}/${qrc_name} CONTENT
            "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"${prefix}\">\n${lines}</qresource>\n</RCC>\n")
        list(APPEND resource_files ${out_folder}/${qrc_name})
    endforeach()
    set(${out_variable} ${resource_files} PARENT_SCOPE)
endfunction()
