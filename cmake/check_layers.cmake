# Fails the build when a source file includes a header of a layer above its own, or of a layer
# it must not see. Run as: cmake -DSOURCE_DIR=<src> -P check_layers.cmake
#
cmake_minimum_required(VERSION 3.25)

# Layers, lowest first; each may include its own layer and the layers it names.
#   core      core/                            widget-free logic
#   platform  platform/                        interfaces to the outside world
#   real      platform/real/                   their real implementations
#   widgets   widgets/                         small shared pieces of the windows
#   windows   browsing/ organizer/ tools/      the windows
#   shell     shell/                           the application object, splash and main frame
#   admin     admin/                           the administrator's tool
#   program   main.cpp                         the program's entry point

set(allowed_core core)
set(allowed_platform core platform)
set(allowed_real core platform real)
set(allowed_widgets core platform widgets)
set(allowed_windows core platform widgets windows)
set(allowed_shell core platform real widgets windows shell)
# The administrator's tool sees the core and the settings store only.
set(allowed_admin core admin store)
set(allowed_program core platform real widgets shell)

function(layer_of path out)
    if(path MATCHES "^platform/real/(qt_settings_store|machine_settings_files)\\.|^platform/real/ini_")
        set(layer store)
    elseif(path MATCHES "^platform/real/")
        set(layer real)
    elseif(path MATCHES "^(core|platform|widgets|shell|admin)/")
        set(layer ${CMAKE_MATCH_1})
    elseif(path MATCHES "^(browsing|organizer|tools)/")
        set(layer windows)
    elseif(path STREQUAL "main.cpp")
        set(layer program)
    else()
        set(layer unknown)
    endif()
    set(${out} ${layer} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(violations "")
foreach(source IN LISTS sources)
    layer_of(${source} from)
    # The settings store is part of the real platform as seen from above.
    if(from STREQUAL "store")
        set(from real)
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
        layer_of(${included} to)
        set(seen ${allowed_${from}})
        if(to STREQUAL "store" AND NOT from STREQUAL "admin")
            set(to real)
        endif()
        if(NOT to IN_LIST seen)
            string(APPEND violations "  ${source} (${from}) includes ${included} (${to})\n")
        endif()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "Includes across the layers (see docs/architecture.md):\n${violations}")
endif()
