# Packs the build into its Debian package as scripts/package.sh does and has lintian check it: no
# error and no warning. Without lintian there is nothing to check with, and the test is skipped.
# Run with -DBUILD_DIR=... -DOUT=... -DCPACK=...
cmake_minimum_required(VERSION 3.25)

find_program(lintian lintian)
if(NOT lintian)
  message("lintian is not installed")
  return()
endif()

file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND ${CPACK} -G DEB -B "${OUT}" WORKING_DIRECTORY "${BUILD_DIR}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB package "${OUT}/razo_*.deb")
if(NOT result EQUAL 0 OR NOT package)
  message(FATAL_ERROR "cpack made no package (${result}):\n${out}")
endif()

# Information tags are shown but pass: a build without the package's hardening flags has some.
execute_process(COMMAND ${lintian} --fail-on error,warning --display-info "${package}"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}${err}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lintian finds errors or warnings in ${package}")
endif()
