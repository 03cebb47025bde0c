# Included by bench/CMakeLists.txt: decoding the stored pictures.
if(TARGET tp_picture_decoder AND TARGET tp_resources)
  add_executable(tp_pictures_bench PictureDecodeBench.cpp)
  target_link_libraries(tp_pictures_bench
    PRIVATE tp_picture_decoder tp_resources benchmark::benchmark_main tp_warnings)
  target_include_directories(tp_pictures_bench PRIVATE ${PROJECT_SOURCE_DIR})
endif()
