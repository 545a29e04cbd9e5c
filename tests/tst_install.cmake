# Installs the build tree into a scratch prefix, then configures, builds and runs tests/consumer
# against the installed package. Run with cmake -P; the variables come from tests/CMakeLists.txt.
foreach(var BUILD_DIR PREFIX WORK_DIR CONSUMER_DIR GENERATOR LIBRARY_FILE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

# The install copies build outputs; an unbuilt tree would install a stale or missing library.
if(NOT EXISTS "${LIBRARY_FILE}")
    message(FATAL_ERROR "${LIBRARY_FILE} is missing: build the project before running the tests")
endif()

function(run step)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${step} failed (${rc}):\n${out}")
    endif()
endfunction()

string(REPLACE "|" ";" PREFIX_PATH "${PREFIX_PATH}")
file(REMOVE_RECURSE "${PREFIX}" "${WORK_DIR}")

run("install" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}")

set(configure_args -S "${CONSUMER_DIR}" -B "${WORK_DIR}" -G "${GENERATOR}"
    "-DCMAKE_PREFIX_PATH=${PREFIX};${PREFIX_PATH}"
    -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON)
foreach(var CMAKE_MAKE_PROGRAM CMAKE_CXX_COMPILER CMAKE_BUILD_TYPE Qt5_DIR)
    if(${var})
        list(APPEND configure_args "-D${var}=${${var}}")
    endif()
endforeach()
run("configure" "${CMAKE_COMMAND}" ${configure_args})

# The package must come from the scratch prefix, not from a system copy or the build tree.
file(STRINGS "${WORK_DIR}/CMakeCache.txt" found_dir REGEX "^TavixQtLib_DIR:")
string(REGEX REPLACE "^[^=]*=" "" found_dir "${found_dir}")
get_filename_component(found_dir "${found_dir}" REALPATH)
get_filename_component(real_prefix "${PREFIX}" REALPATH)
string(FIND "${found_dir}" "${real_prefix}/" at)
if(NOT at EQUAL 0)
    message(FATAL_ERROR "TavixQtLib was found in ${found_dir}, not under ${real_prefix}")
endif()

run("build" "${CMAKE_COMMAND}" --build "${WORK_DIR}")
run("run" "${WORK_DIR}/app")
message(STATUS "installed package builds and runs a consumer")
