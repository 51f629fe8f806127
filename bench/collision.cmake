rz_benchmark(collision_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/collision_bench.cpp
             LIBS rz_simulation rz_media_headless rz_stress_level)
