# quarrow_library(<name> DIRS <dirs under src> DEPS <targets>)
# Every .cpp/.h in the folders belongs to the library; a library with no sources yet is an
# interface target, so dependents still build.
function(quarrow_library name)
    cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
    set(sources)
    foreach(dir IN LISTS ARG_DIRS)
        file(GLOB found CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/src/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/src/${dir}/*.h
             ${PROJECT_SOURCE_DIR}/src/${dir}/*.qrc)
        list(APPEND sources ${found})
    endforeach()
    list(FILTER sources INCLUDE REGEX "\\.(cpp|qrc)$")
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    endif()
endfunction()

# quarrow_test(<name> DIRS <dirs under tests> DEPS <targets>): one GoogleTest executable.
function(quarrow_test name)
    cmake_parse_arguments(ARG "" "" "DIRS;DEPS" ${ARGN})
    set(sources)
    foreach(dir IN LISTS ARG_DIRS)
        file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${dir}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE quarrow_test_support ${ARG_DEPS})
    target_compile_definitions(${name} PRIVATE
        QUARROW_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        QUARROW_PROGRAM_DIR="${QUARROW_PROGRAM_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)
endfunction()
