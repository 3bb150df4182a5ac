# One library target per layer or subsystem, built from every .cpp in its folder, and one
# test executable from the *_test.cpp files beside them. Globbing keeps the CMake files out
# of everyday changes: adding a file to a folder adds it to its target.

set(MDX_TEST_LIBS GTest::gtest GTest::gmock GTest::gtest_main)

# mdx_layer(<name> DIR <folder> [DEPS <targets>...])
function(mdx_layer name)
  cmake_parse_arguments(L "" "DIR" "DEPS;EXTERNAL" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB_RECURSE all_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  set(lib_sources "")
  set(test_sources "")
  foreach(src IN LISTS all_sources)
    if(src MATCHES "_test\\.cpp$")
      list(APPEND test_sources ${src})
    else()
      list(APPEND lib_sources ${src})
    endif()
  endforeach()
  set(target mdx_${name})
  if(lib_sources)
    add_library(${target} STATIC ${lib_sources})
    target_include_directories(${target} PUBLIC ${L_DIR})
    target_link_libraries(${target} PUBLIC ${L_DEPS} ${L_EXTERNAL})
    target_compile_options(${target} PRIVATE ${MDX_WARNINGS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${L_DIR})
    target_link_libraries(${target} INTERFACE ${L_DEPS} ${L_EXTERNAL})
  endif()
  if(test_sources AND MDX_BUILD_TESTS)
    add_executable(${target}_tests ${test_sources})
    target_link_libraries(${target}_tests PRIVATE ${target} ${MDX_TEST_LIBS})
    target_compile_options(${target}_tests PRIVATE ${MDX_WARNINGS})
    target_compile_definitions(${target}_tests PRIVATE
      MDX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      MDX_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${target}_tests DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "MDX_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  endif()
endfunction()
