# The four windows, the artwork they show and the view through which the game reaches them.
add_library(tp_windows STATIC
  Artwork.cpp Artwork.h
  Forms.cpp Forms.h
  GameText.h
  Layout.h
  PictureSlot.cpp PictureSlot.h
  ServiceTexts.h
  Unit1.cpp Unit1.h
  Unit2.cpp Unit2.h
  Unit3.cpp Unit3.h
  Unit4.cpp Unit4.h
  WindowView.cpp WindowView.h)
set_target_properties(tp_windows PROPERTIES AUTOMOC ON)
target_include_directories(tp_windows PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tp_windows PUBLIC tp_game tp_toolkit tp_pictures tp_resources Qt6::Widgets PRIVATE tp_warnings)
