# GUI tests of "Salva BMP", "Info" and "?" in the real main window.
pianopre_gui_test(test_comandi_info
  ${CMAKE_CURRENT_LIST_DIR}/salva_bmp_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/comandi_info_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../support/gui_main.cpp)
target_include_directories(test_comandi_info PRIVATE ${CMAKE_CURRENT_LIST_DIR})
