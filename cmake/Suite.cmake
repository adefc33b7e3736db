# Helpers shared by every directory.

# suite_test(<name> SOURCES <files...> [LIBS <targets...>])
# A GoogleTest executable; its cases are listed at test time, so a Windows
# test executable is only started under Wine when ctest runs.
function(suite_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 120)
endfunction()

# suite_resources(<target> DESCRIPTION <text> [COMMENTS <text>] [ICON <file.ico>]
#                 [INCLUDES <file.rc>...])
# Gives a Windows target the version resource of the one project version, the
# application manifest and, when named, the icon. Resource scripts that hold
# icons must be INCLUDES here: each compiled script numbers its icon images
# from 1, so two scripts with icons in one program would clash.
function(suite_resources target)
  cmake_parse_arguments(P "" "DESCRIPTION;COMMENTS;ICON" "INCLUDES" ${ARGN})
  set(SUITE_NAME ${target})
  set(SUITE_DESCRIPTION "${P_DESCRIPTION}")
  set(SUITE_COMMENTS "${P_COMMENTS}")
  set(SUITE_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
  set(SUITE_ICON_RESOURCE "")
  if(P_ICON)
    set(SUITE_ICON_RESOURCE "1 ICON \"${P_ICON}\"")
    add_dependencies(${target} suite_assets)
  endif()
  set(SUITE_RC_INCLUDES "")
  foreach(script IN LISTS P_INCLUDES)
    string(APPEND SUITE_RC_INCLUDES "#include \"${script}\"\n")
  endforeach()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_program.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.manifest.in ${SUITE_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${SUITE_MANIFEST} ${P_ICON} ${P_INCLUDES})
  target_compile_definitions(${target} PRIVATE
    SUITE_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
    SUITE_VERSION_MINOR=${PROJECT_VERSION_MINOR}
    SUITE_VERSION_REVISION=${PROJECT_VERSION_TWEAK}
    SUITE_COMPANY="${SUITE_COMPANY}"
    SUITE_COPYRIGHT="${SUITE_COPYRIGHT}")
endfunction()

# suite_program(<name> SOURCES <files...> [LIBS <targets...>] DESCRIPTION <text>
#               [COMMENTS <text>] ICON <file.ico> [RC_INCLUDES <file.rc>...])
# A GUI-subsystem Windows program, wide-character entry point, with its resources.
function(suite_program name)
  cmake_parse_arguments(P "" "DESCRIPTION;COMMENTS;ICON" "SOURCES;LIBS;RC_INCLUDES" ${ARGN})
  add_executable(${name} WIN32 ${P_SOURCES})
  # The linker's map beside the exe says where its bytes come from (scripts/bench).
  target_link_options(${name} PRIVATE -municode -Wl,-Map=$<TARGET_FILE:${name}>.map)
  # Marks what ships: linked with link-time optimisation (CMakeLists.txt).
  set_target_properties(${name} PROPERTIES SUITE_PROGRAM ON)
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  suite_resources(${name} DESCRIPTION "${P_DESCRIPTION}" COMMENTS "${P_COMMENTS}" ICON "${P_ICON}"
    INCLUDES ${P_RC_INCLUDES})
endfunction()
