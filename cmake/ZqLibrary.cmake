# Each subsystem folder of src/ gives one or two static libraries:
#   zq_<name>     its rules, toolkit-free: the .cpp files at the folder's top.
#               These must never link Qt; the compiler enforces it because
#               Qt's headers are not on their include path.
#   zq_<name>_ui  its windows and platform code: the .cpp files in ui/, for
#               the subsystems declared WITH_WINDOWS.
# Which libraries there are is declared here; the sources of a folder are
# picked up by glob, so that adding a file needs no CMake edit.
function(zq_subsystem name)
  cmake_parse_arguments(ARG "WITH_WINDOWS" "" "DEPENDS;LINKS;UI_LINKS" ${ARGN})
  file(GLOB core_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(zq_${name} STATIC ${core_sources})
  target_include_directories(zq_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(zq_${name} PUBLIC zq_${dep})
  endforeach()
  if(ARG_LINKS)
    target_link_libraries(zq_${name} PUBLIC ${ARG_LINKS})
  endif()

  if(ZQ_CORE_ONLY OR NOT ARG_WITH_WINDOWS)
    return()
  endif()
  file(GLOB ui_sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
  add_library(zq_${name}_ui STATIC ${ui_sources})
  set_target_properties(zq_${name}_ui PROPERTIES AUTOMOC ON)
  target_link_libraries(zq_${name}_ui PUBLIC zq_${name} Qt6::Widgets)
  # The windows of the subsystems this one builds on (those declared with
  # windows: all of them are declared before this one).
  foreach(dep IN LISTS ARG_DEPENDS)
    if(TARGET zq_${dep}_ui)
      target_link_libraries(zq_${name}_ui PUBLIC zq_${dep}_ui)
    endif()
  endforeach()
  if(ARG_UI_LINKS)
    target_link_libraries(zq_${name}_ui PUBLIC ${ARG_UI_LINKS})
  endif()
endfunction()

# The code of one platform (a windowing system) for a subsystem's windows:
# the .cpp files of src/<name>/<platform>/ become zq_<name>_<platform>,
# linked by zq_<name>_ui, which chooses at run time which platform's code
# it calls. Each platform is declared in the subsystem's CMakeLists.txt.
function(zq_platform_code name platform)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  if(ZQ_CORE_ONLY)
    return()
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${platform}/*.cpp)
  add_library(zq_${name}_${platform} STATIC ${sources})
  set_target_properties(zq_${name}_${platform} PROPERTIES AUTOMOC ON)
  target_link_libraries(zq_${name}_${platform} PUBLIC zq_${name} Qt6::Gui ${ARG_LINKS})
  target_link_libraries(zq_${name}_ui PUBLIC zq_${name}_${platform})
endfunction()

# Tests mirror the sources: tests/<name>/*.cpp become test_<name> (linked
# against zq_<name>); with WITH_WINDOWS, tests/<name>/ui/*.cpp become
# test_<name>_ui, run on Qt's offscreen platform.
function(zq_tests name)
  cmake_parse_arguments(ARG "WITH_WINDOWS" "" "LINKS;UI_LINKS" ${ARGN})
  if(ZQ_CORE_TESTS)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(test_${name} ${sources})
    # Tests write their own keyboard templates with libzip.
    target_link_libraries(test_${name} PRIVATE zq_${name} ${ARG_LINKS} zq_test_support PkgConfig::LIBZIP GTest::gtest
                          GTest::gtest_main GTest::gmock)
    target_compile_definitions(test_${name} PRIVATE
      ZQ_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
      ZQ_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
      ZQ_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(test_${name} DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS core ENVIRONMENT "LC_ALL=C.UTF-8")
  endif()

  if(ZQ_CORE_ONLY OR NOT ARG_WITH_WINDOWS)
    return()
  endif()
  file(GLOB ui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp)
  add_executable(test_${name}_ui ${ui_sources} ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
  set_target_properties(test_${name}_ui PROPERTIES AUTOMOC ON)
  target_link_libraries(test_${name}_ui PRIVATE zq_${name}_ui ${ARG_UI_LINKS} zq_test_support PkgConfig::LIBZIP GTest::gtest
                        GTest::gmock)
  target_compile_definitions(test_${name}_ui PRIVATE
    ZQ_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    ZQ_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    ZQ_BINARY_DIR="${PROJECT_BINARY_DIR}"
    ZQ_PROGRAM_DIR="${ZQ_PROGRAM_DIR}")
  gtest_discover_tests(test_${name}_ui DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS ui ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
