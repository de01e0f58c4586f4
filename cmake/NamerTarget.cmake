# Warnings as errors on the project's own targets only, never on third-party code.
function(namer_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A static library of one layer: namer_library(name SOURCES ... DEPS ...).
function(namer_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    namer_warnings(${name})
endfunction()

# A GoogleTest executable registered with CTest: namer_test(name SOURCES ... DEPS ...).
# Under the cross build CTest runs it through CMAKE_CROSSCOMPILING_EMULATOR (Wine).
function(namer_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;DEPS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
    namer_warnings(${name})
    if(WIN32)
        target_link_options(${name} PRIVATE -static)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    if(ARG_TIMEOUT)
        set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    endif()
endfunction()

# Adds every folder below `parent` that has a CMakeLists.txt, in name order: one folder per subject.
function(namer_add_subject_dirs parent)
    file(GLOB dirs LIST_DIRECTORIES true ${parent}/*)
    list(SORT dirs)
    foreach(dir ${dirs})
        if(EXISTS ${dir}/CMakeLists.txt)
            add_subdirectory(${dir})
        endif()
    endforeach()
endfunction()
