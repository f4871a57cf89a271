# Qt for Windows is built without its SVG reader. There each drawing of a resource file goes
# into the resources as a PNG picture under the drawing's own name (Qt reads a picture by its
# content), rendered at twice the drawing's size by this machine's render_icons, so that it is
# sharp at 1x (halved) and at 2x. The drawings stay the one source.
#   mw_drawings_as_pictures(OUT_VARIABLE PICTURES_TARGET RESOURCE_FILE.qrc...)
# sets OUT_VARIABLE to resource files of the same names that hold the pictures; the target
# using them must depend on PICTURES_TARGET. A drawing's source property MW_PICTURE_SCALE
# renders it larger.
set(MW_HOST_RENDER_ICONS "" CACHE FILEPATH "render_icons built for this machine (cmake --build build --target render_icons)")
if(NOT EXISTS "${MW_HOST_RENDER_ICONS}")
    message(FATAL_ERROR "The Windows window program needs the host's render_icons: configure with "
        "-DMW_HOST_RENDER_ICONS=PATH (build it with cmake --build build --target render_icons)")
endif()

function(mw_drawings_as_pictures out_variable pictures_target)
    set(resource_files)
    set(pictures)
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
            set(alias ${CMAKE_MATCH_2})
            set(path ${CMAKE_MATCH_3})
            if(alias STREQUAL "")
                set(alias ${path})
            endif()
            get_filename_component(source ${qrc_folder}/${path} ABSOLUTE)
            set(file ${source})
            if(path MATCHES "\\.svg$")
                set(file ${out_folder}/${alias}.png)
                get_source_file_property(scale ${source} MW_PICTURE_SCALE)
                if(NOT scale)
                    set(scale 2)
                endif()
                get_filename_component(file_folder ${file} DIRECTORY)
                add_custom_command(OUTPUT ${file}
                    COMMAND ${CMAKE_COMMAND} -E make_directory ${file_folder}
                    COMMAND ${MW_HOST_RENDER_ICONS} ${source} ${file} ${scale}
                    DEPENDS ${source} VERBATIM)
                list(APPEND pictures ${file})
            endif()
            string(APPEND lines "    <file alias=\"${alias}\">${file}</file>\n")
        endforeach()
        file(CONFIGURE OUTPUT ${out_folder}/${qrc_name} CONTENT
            "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"${prefix}\">\n${lines}</qresource>\n</RCC>\n")
        list(APPEND resource_files ${out_folder}/${qrc_name})
    endforeach()
    add_custom_target(${pictures_target} DEPENDS ${pictures})
    set(${out_variable} ${resource_files} PARENT_SCOPE)
endfunction()
