rz_benchmark(builder_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/builder_bench.cpp LIBS rz_builder)
