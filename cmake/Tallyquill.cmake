# Common settings for every target of the project.
function(tq_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-address-of-packed-member)
    if(WITH_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
        target_link_options(${target} PUBLIC -fsanitize=address,undefined)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "OBJECT_LIBRARY" OR type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "STATIC_LIBRARY")
        set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    endif()
endfunction()

# Each layer includes its headers as "folder/file.h" through an include root of its own that
# holds only a link to its folder; a target sees its own root and those of the layers it links.
# An include against the layering (the dictionary including a framework header) finds no file.
function(tq_include_root target folder)
    set(root ${CMAKE_BINARY_DIR}/include-roots/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# A layer of the library: an object library whose sources live in one folder.
function(tq_layer target)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
    add_library(${target} OBJECT ${ARG_SOURCES})
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
    tq_defaults(${target})
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    tq_include_root(${target} ${folder})
endfunction()
