rz_benchmark(update_pass_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/update_pass_bench.cpp
             LIBS rz_simulation rz_media_headless)
