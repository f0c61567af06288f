# GUI tests of the main window's layout, the test-mode window, the icon and label captions,
# and the captions fitting their controls in both languages.
pianopre_gui_test(test_layout_principale
  layout_principale_test.cpp layout_principale_attesi.cpp finestre_minori_test.cpp
  didascalie_lingue_test.cpp ../support/gui_main.cpp)
target_include_directories(test_layout_principale PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
