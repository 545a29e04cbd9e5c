# Installs the build tree into a scratch prefix, then configures, builds and runs programs against the
# installed package: CONSUMER_DIR (a CMake project making `app`), or each folder of EXAMPLES (a
# |-separated list of CMake projects, each making an executable named after its folder, run with
# --quit-after), or PKGCONFIG_SOURCE (one file compiled with the flags pkg-config gives).
# Run with cmake -P; the variables come from tests/CMakeLists.txt.
foreach(var BUILD_DIR PREFIX WORK_DIR GENERATOR LIBRARY_FILE)
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

# Configures and builds the CMake project in dir into work, checks the package came from the scratch
# prefix, and runs the executable with the given arguments.
function(build_consumer dir work executable)
    set(configure_args -S "${dir}" -B "${work}" -G "${GENERATOR}"
        "-DCMAKE_PREFIX_PATH=${PREFIX};${PREFIX_PATH}"
        -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON)
    foreach(var CMAKE_MAKE_PROGRAM CMAKE_CXX_COMPILER CMAKE_BUILD_TYPE Qt5_DIR Qt6_DIR)
        if(${var})
            list(APPEND configure_args "-D${var}=${${var}}")
        endif()
    endforeach()
    run("configure ${dir}" "${CMAKE_COMMAND}" ${configure_args})

    # The package must come from the scratch prefix, not from a system copy or the build tree.
    file(STRINGS "${work}/CMakeCache.txt" found_dir REGEX "^TavixQtLib_DIR:")
    string(REGEX REPLACE "^[^=]*=" "" found_dir "${found_dir}")
    get_filename_component(found_dir "${found_dir}" REALPATH)
    get_filename_component(real_prefix "${PREFIX}" REALPATH)
    string(FIND "${found_dir}" "${real_prefix}/" at)
    if(NOT at EQUAL 0)
        message(FATAL_ERROR "TavixQtLib was found in ${found_dir}, not under ${real_prefix}")
    endif()

    run("build ${dir}" "${CMAKE_COMMAND}" --build "${work}")
    run("run ${executable}" "${work}/${executable}" ${ARGN})
endfunction()

if(CONSUMER_DIR)
    build_consumer("${CONSUMER_DIR}" "${WORK_DIR}" app)
    message(STATUS "installed package builds and runs a consumer")
    # The installed demo, started away from the build folder, finds its themes under the prefix.
    if(EXISTS "${PREFIX}/bin/tavix-demo")
        execute_process(COMMAND "${PREFIX}/bin/tavix-demo" --screenshot "${WORK_DIR}/installed-demo.png"
            WORKING_DIRECTORY "${WORK_DIR}" TIMEOUT 60 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
        if(NOT rc EQUAL 0 OR NOT EXISTS "${WORK_DIR}/installed-demo.png")
            message(FATAL_ERROR "the installed demo did not start from ${WORK_DIR} (${rc}):\n${out}")
        endif()
        message(STATUS "installed demo finds its themes")
    endif()
endif()

if(EXAMPLES)
    string(REPLACE "|" ";" EXAMPLES "${EXAMPLES}")
    foreach(example ${EXAMPLES})
        get_filename_component(name "${example}" NAME)
        build_consumer("${example}" "${WORK_DIR}/${name}" "${name}" --quit-after 300)
    endforeach()
    message(STATUS "installed package builds and runs the examples")
endif()

# The pkg-config route, as a build without CMake takes it: only the flags the installed .pc gives.
if(PKGCONFIG_SOURCE)
    find_program(PKG_CONFIG pkg-config REQUIRED)
    file(GLOB pc_file "${PREFIX}/lib*/pkgconfig/TavixQtLib.pc" "${PREFIX}/lib/*/pkgconfig/TavixQtLib.pc")
    if(NOT pc_file)
        message(FATAL_ERROR "TavixQtLib.pc was not installed under ${PREFIX}")
    endif()
    get_filename_component(pc_dir "${pc_file}" DIRECTORY)
    set(ENV{PKG_CONFIG_PATH} "${pc_dir}")
    foreach(what cflags libs)
        execute_process(COMMAND "${PKG_CONFIG}" --${what} TavixQtLib RESULT_VARIABLE rc
            OUTPUT_VARIABLE flags_${what} ERROR_VARIABLE err OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "pkg-config --${what} TavixQtLib failed:\n${err}")
        endif()
        separate_arguments(flags_${what} UNIX_COMMAND "${flags_${what}}")
    endforeach()
    # The flags must point into the scratch prefix.
    string(FIND "${flags_cflags}" "-I${PREFIX}/" at)
    if(at EQUAL -1)
        get_filename_component(real_prefix "${PREFIX}" REALPATH)
        string(FIND "${flags_cflags}" "${real_prefix}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "pkg-config flags do not name ${PREFIX}: ${flags_cflags}")
        endif()
    endif()
    file(MAKE_DIRECTORY "${WORK_DIR}")
    # Qt's headers insist on position-independent code in programs built without its CMake files.
    run("compile" "${CMAKE_CXX_COMPILER}" -std=c++17 -fPIC ${flags_cflags} "${PKGCONFIG_SOURCE}"
        -o "${WORK_DIR}/app-pkgconfig" ${flags_libs} "-Wl,-rpath,${pc_dir}/..")
    run("run" "${WORK_DIR}/app-pkgconfig")
    message(STATUS "installed package builds and runs a consumer through pkg-config")
endif()
