# The package's view of the data folder DATA: its languages, and the desktop
# entry and metainfo made from them, written into OUT (new_language_test.sh).
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Languages.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/DesktopWords.cmake)
orv_language_codes(${DATA} languages)
file(WRITE ${OUT}/languages "${languages}\n")
set(ORV_APP_ID com.example.orvane.PersonalityTest)
set(PROJECT_VERSION 1.0.0)
orv_desktop_words(${DATA} "${languages}")
set(packaging ${CMAKE_CURRENT_LIST_DIR}/../packaging)
configure_file(${packaging}/app.desktop.in ${OUT}/${ORV_APP_ID}.desktop @ONLY)
configure_file(${packaging}/app.metainfo.xml.in ${OUT}/${ORV_APP_ID}.metainfo.xml @ONLY)
