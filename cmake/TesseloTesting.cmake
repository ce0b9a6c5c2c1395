# tesselo_add_gtest(NAME <target> SOURCES <files...> LIBS <libs...> [MAIN none|core|gui|widgets]
#                   [LABELS <labels...>])
# Builds one test executable and registers its cases with CTest. MAIN picks the entry point:
# none links gtest's own main (no Qt), the others create the matching Qt application object
# for the whole run on the offscreen platform. LABELS become the cases' CTest labels; the label
# "sanitized" also puts the executable into the target tesselo_sanitized_tests, which
# scripts/check-sanitizers builds and runs (ctest -L sanitized) under ASan and UBSan.
include(GoogleTest)

add_custom_target(tesselo_sanitized_tests)

function(tesselo_add_gtest)
  cmake_parse_arguments(T "" "NAME;MAIN" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT T_MAIN)
    set(T_MAIN none)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  if(T_MAIN STREQUAL "none")
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest GTest::gtest_main GTest::gmock)
  else()
    target_link_libraries(${T_NAME} PRIVATE tesselo_test_main_${T_MAIN} GTest::gtest GTest::gmock)
  endif()
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(labels)
  if(T_LABELS)
    set(labels LABELS "${T_LABELS}")
  endif()
  if("sanitized" IN_LIST T_LABELS)
    add_dependencies(tesselo_sanitized_tests ${T_NAME})
  endif()
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TESSELO_PROGRAM_DIR=${TESSELO_PROGRAM_DIR};TESSELO_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
               TIMEOUT 120
               ${labels})
endfunction()
