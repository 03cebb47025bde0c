# Start-up budget: a bare Qt window to compare the game with, and the watcher that times both.
# bench/measure-startup.sh runs them.
if(TP_BUILD_UI)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(TP_XCB REQUIRED IMPORTED_TARGET xcb)

  add_executable(tp_bare_window startup/BareWindow.cpp)
  target_link_libraries(tp_bare_window PRIVATE Qt6::Widgets tp_warnings)

  add_executable(tp_xwatch startup/XWatch.cpp startup/X11Windows.cpp startup/X11Windows.h
                           startup/ProcStats.cpp startup/ProcStats.h)
  target_link_libraries(tp_xwatch PRIVATE PkgConfig::TP_XCB tp_warnings)
  target_include_directories(tp_xwatch PRIVATE ${PROJECT_SOURCE_DIR})
endif()
