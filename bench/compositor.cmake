rz_benchmark(compositor_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/compositor_bench.cpp
             LIBS rz_media PkgConfig::SDL2)
# pixman drawn side by side when its development files are there.
pkg_check_modules(PIXMAN IMPORTED_TARGET pixman-1)
if(PIXMAN_FOUND)
    target_link_libraries(compositor_bench PRIVATE PkgConfig::PIXMAN)
    target_compile_definitions(compositor_bench PRIVATE RZ_BENCH_PIXMAN)
endif()
