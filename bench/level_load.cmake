rz_benchmark(level_load_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/level_load_bench.cpp
             LIBS rz_world rz_media_headless)
