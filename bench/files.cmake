rz_benchmark(files_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/files_bench.cpp LIBS rz_media)
