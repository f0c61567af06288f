# GUI tests of the main window's layout, the test-mode window, the icon and label captions.
pianopre_gui_test(test_layout_form6
  layout_form6_test.cpp layout_form6_attesi.cpp finestre_minori_test.cpp ../support/gui_main.cpp)
target_include_directories(test_layout_form6 PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
