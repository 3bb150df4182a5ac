# Installs the build into a fresh prefix and evaluates the sample standard with the installed
# program, from a folder that is neither the prefix nor the source tree, without the
# environment that would point it elsewhere. Run by CTest: cmake -DBUILD_DIR=... -DWORK_DIR=...
# -P InstallCheck.cmake
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)
file(MAKE_DIRECTORY ${WORK_DIR}/elsewhere)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
# The installation must not lean on the build tree: move it, as a packager's files move.
file(RENAME ${prefix} ${WORK_DIR}/moved)
set(prefix ${WORK_DIR}/moved)
set(data ${prefix}/share/meridox/examples)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=MDX_LIBRARY --unset=MDX_RESOURCES --unset=MDX_PRODUCT
          ${prefix}/bin/mdx evaluate EndPlate --drawing ${data}/drawings/EndPlate_IPE300_HEA300.json
          --macro EndPlate_IPE_HEA --maps-to EndPlateStd --gen gen_Grade=S355
  WORKING_DIRECTORY ${WORK_DIR}/elsewhere
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the installed mdx failed (${status}):\n${out}\n${err}")
endif()
foreach(expected "(${data}/Connection Standards/EndPlate.kvs)" "Double Thickness  20"
                 "Plate.Width  200 -> 180")
  string(FIND "${out}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the installed mdx did not print '${expected}':\n${out}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
