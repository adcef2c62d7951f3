# Common settings for every target of the project.
function(tq_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Waddress-of-packed-member)
    # Qt's lower-case keywords (emit, slots, signals) are macros that would rewrite our own names.
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS)
    if(WITH_SANITIZE)
        # A report fails the test that made it instead of scrolling by.
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                 -fno-omit-frame-pointer)
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

# The headers most sources include, compiled once per flavour of flags (precompiled headers).
# The standard library and SQLite for the dictionary; Qt Widgets on top for the layers above it;
# GoogleTest and QTest on top for the tests and benchmarks.
set(TQ_PCH_STD <algorithm> <array> <cstdint> <cstring> <functional> <map> <memory> <optional>
    <string> <string_view> <utility> <vector> <sqlite3.h>)
set(TQ_PCH_QT ${TQ_PCH_STD} <QApplication> <QCheckBox> <QGridLayout> <QGroupBox> <QHBoxLayout>
    <QLabel> <QLineEdit> <QPushButton> <QString> <QTableView> <QTimer> <QVBoxLayout>)
set(TQ_PCH_TEST ${TQ_PCH_QT} <gtest/gtest.h> <QTest>)

# A target that only compiles the headers named, for others to reuse (REUSE_FROM): its flags and
# defines must match theirs (Qt's test library defines the folder of its target, so the tests and
# the benchmarks each have their own).
function(tq_pch_target target pic)
    cmake_parse_arguments(ARG "" "" "HEADERS;DEPENDS" ${ARGN})
    add_library(${target} OBJECT ${PROJECT_SOURCE_DIR}/cmake/pch.cpp)
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
    target_precompile_headers(${target} PRIVATE ${ARG_HEADERS})
    tq_defaults(${target})
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ${pic} AUTOMOC OFF)
endfunction()

function(tq_reuse_pch target from)
    if(TQ_PCH AND TARGET ${from})
        target_precompile_headers(${target} REUSE_FROM ${from})
    endif()
endfunction()

# What makes a build fast without changing what it builds: ccache when present (it keeps
# precompiled headers apart by their defines and times), and a faster linker when present.
macro(tq_fast_build)
    option(TQ_PCH "Precompile the common headers" ON)
    find_program(TQ_CCACHE ccache)
    if(TQ_CCACHE)
        set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
            CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
            CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} ${TQ_CCACHE})
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND TQ_PCH)
            add_compile_options(-fpch-preprocess)
        endif()
    endif()
    include(CheckLinkerFlag)
    foreach(linker mold lld)
        check_linker_flag(CXX -fuse-ld=${linker} TQ_HAS_${linker})
        if(TQ_HAS_${linker})
            add_link_options(-fuse-ld=${linker})
            break()
        endif()
    endforeach()
    # A program need not be linked again when only the code inside a shared library changed.
    set(CMAKE_LINK_DEPENDS_NO_SHARED ON)
endmacro()
