# Settings every target of the project shares.
# Warnings fail our own builds and CI; a build elsewhere, with a newer compiler that warns of
# more, may turn that off and still get the warnings.
option(ZEL_WERROR "Treat compiler warnings as errors" ON)
add_library(zel_common_cfg INTERFACE)
target_compile_features(zel_common_cfg INTERFACE cxx_std_20)
target_compile_options(zel_common_cfg INTERFACE
    -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor)
if(ZEL_WERROR)
    target_compile_options(zel_common_cfg INTERFACE -Werror)
endif()
target_include_directories(zel_common_cfg INTERFACE ${CMAKE_SOURCE_DIR}/src)
if(WIN32)
    # One executable that needs no DLL beside it: the C++ and thread run-times linked in.
    target_link_options(zel_common_cfg INTERFACE -static -static-libgcc -static-libstdc++)
    # The platform layer calls the A functions by name; nothing gets the TCHAR mappings.
    target_compile_definitions(zel_common_cfg INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN)
    # GCC 12's false -Wrestrict in std::string's inlined copies (GCC bug 105329), which
    # Debian's MinGW-w64 compiler reports in optimised builds.
    target_compile_options(zel_common_cfg INTERFACE -Wno-restrict)
endif()
if(NOT WIN32)
    # The Qt face's print support module links the core's libraries too.
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
if(ZEL_SANITIZE)
    target_compile_options(zel_common_cfg INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(zel_common_cfg INTERFACE -fsanitize=address,undefined)
endif()

# One static library per core module: every source file in its folder.
function(zel_core_module name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
        add_library(zel_${name} STATIC ${sources})
        target_link_libraries(zel_${name} PUBLIC zel_common_cfg ${ARG_DEPENDS})
    else()
        add_library(zel_${name} INTERFACE)
        target_link_libraries(zel_${name} INTERFACE zel_common_cfg ${ARG_DEPENDS})
    endif()
endfunction()
