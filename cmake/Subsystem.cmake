# One layer directory becomes two static libraries: telvane_<name> holds the
# Qt-free core (records, protocol, files, page controllers) and telvane_<name>_gui
# holds the thin Qt views (files named *_view.cc or under a gui/ folder).
#   telvane_subsystem(cable USES base link storage page)
# names the lower layers the core uses; its views use those layers' views. A
# layer never names one above it, so a cycle fails to link.
function(telvane_subsystem name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "USES")
  file(GLOB_RECURSE all_sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cc")
  set(core_sources)
  set(gui_sources)
  foreach(src IN LISTS all_sources)
    if(src MATCHES "/gui/main\\.cc$")
      continue()
    elseif(src MATCHES "/gui/" OR src MATCHES "_view\\.cc$")
      list(APPEND gui_sources ${src})
    else()
      list(APPEND core_sources ${src})
    endif()
  endforeach()
  if(NOT core_sources)
    set(core_sources ${PROJECT_SOURCE_DIR}/src/empty.cc)
  endif()
  add_library(telvane_${name} STATIC ${core_sources})
  target_include_directories(telvane_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  foreach(used IN LISTS arg_USES)
    target_link_libraries(telvane_${name} PUBLIC telvane_${used})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY TELVANE_CORE_LIBS telvane_${name})
  if(TELVANE_GUI AND gui_sources)
    file(GLOB_RECURSE gui_headers CONFIGURE_DEPENDS
         "${CMAKE_CURRENT_SOURCE_DIR}/*_view.h" "${CMAKE_CURRENT_SOURCE_DIR}/gui/*.h")
    add_library(telvane_${name}_gui STATIC ${gui_sources} ${gui_headers})
    set_target_properties(telvane_${name}_gui PROPERTIES AUTOMOC ON AUTORCC ON)
    target_link_libraries(telvane_${name}_gui PUBLIC telvane_${name} Qt6::Widgets)
    foreach(used IN LISTS arg_USES)
      if(TARGET telvane_${used}_gui)
        target_link_libraries(telvane_${name}_gui PUBLIC telvane_${used}_gui)
      endif()
    endforeach()
    # "slots", "signals" and "emit" stay ordinary words (the cable databases
    # have a member named slots); Qt code says Q_SLOTS, Q_SIGNALS, Q_EMIT.
    target_compile_definitions(telvane_${name}_gui PUBLIC QT_NO_KEYWORDS)
    set_property(GLOBAL APPEND PROPERTY TELVANE_GUI_LIBS telvane_${name}_gui)
  endif()
endfunction()

# Adds one GoogleTest executable built from every *_test.cc below the current
# directory; CTest learns each case.
function(telvane_test_dir name)
  file(GLOB_RECURSE test_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*_test.cc")
  file(GLOB_RECURSE helper_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*_helper.cc")
  set(gui_tests)
  set(core_tests)
  foreach(src IN LISTS test_sources)
    if(src MATCHES "/gui/" OR src MATCHES "_view_test\\.cc$")
      list(APPEND gui_tests ${src})
    else()
      list(APPEND core_tests ${src})
    endif()
  endforeach()
  if(core_tests)
    add_executable(${name}_tests ${core_tests} ${helper_sources})
    target_link_libraries(${name}_tests PRIVATE telvane_core telvane_testing GTest::gtest_main
                          GTest::gmock)
    gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS core)
  endif()
  if(TELVANE_GUI AND gui_tests)
    add_executable(${name}_gui_tests ${gui_tests} ${helper_sources})
    target_link_libraries(${name}_gui_tests PRIVATE telvane_gui_all telvane_testing
                          GTest::gtest_main GTest::gmock)
    gtest_discover_tests(${name}_gui_tests DISCOVERY_TIMEOUT 60
                         PROPERTIES LABELS gui ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endif()
endfunction()
