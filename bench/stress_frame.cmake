rz_benchmark(stress_frame_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/stress_frame_bench.cpp
             LIBS rz_simulation rz_media_headless rz_stress_level)
