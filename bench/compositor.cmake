rz_benchmark(compositor_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/compositor_bench.cpp
             LIBS rz_media PkgConfig::SDL2)
