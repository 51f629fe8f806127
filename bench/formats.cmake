rz_benchmark(formats_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/formats_bench.cpp LIBS rz_formats)
