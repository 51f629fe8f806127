# Installation: the two programs, their launchers, the demo game, desktop entries, icons and
# manual pages. The installed tree is only read; the launchers play and edit the demo game
# in a copy in the user's data directory (docs/install.md).
include(GNUInstallDirs)

set(RZ_DEMO_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/rerizuva2/demo")
set(RZ_ICON_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
file(RELATIVE_PATH RZ_BIN_TO_DEMO "${CMAKE_INSTALL_FULL_BINDIR}"
     "${CMAKE_INSTALL_PREFIX}/${RZ_DEMO_INSTALL_DIR}")

# The game names the installed demo game when it is started where there is none; it looks
# beside itself first, so a tree installed with another --prefix is found as well.
target_compile_definitions(RERIZUVA2 PRIVATE
    RZ_INSTALL_BINDIR="${CMAKE_INSTALL_FULL_BINDIR}"
    RZ_INSTALL_DEMODIR="${CMAKE_INSTALL_PREFIX}/${RZ_DEMO_INSTALL_DIR}"
    RZ_BIN_TO_DEMODIR="${RZ_BIN_TO_DEMO}")

install(TARGETS RERIZUVA2 RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
install(FILES "${PROJECT_SOURCE_DIR}/docs/man/RERIZUVA2.6"
        DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")

# The demo game as the source tree holds it when installing. What runs in the source tree
# write is left out: the game's logs, reports, level cache and screenshots; the builder's
# work map "1", undo snapshots, crash reports and backups, mini maps.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/demo/" DESTINATION "${RZ_DEMO_INSTALL_DIR}"
        PATTERN ".gitignore" EXCLUDE
        PATTERN "session.log" EXCLUDE
        PATTERN "errors.log" EXCLUDE
        PATTERN "warnings.log" EXCLUDE
        PATTERN "RERIZUVA2-*.png" EXCLUDE
        PATTERN "CACHE" EXCLUDE
        PATTERN "UNDO_*" EXCLUDE
        PATTERN "USER" EXCLUDE
        PATTERN "_LAZARUS*" EXCLUDE
        PATTERN "*_MiniMap.png" EXCLUDE
        REGEX "/demo/1$" EXCLUDE)

# rz_install_launcher(launcher program desktop-entry icon)
function(rz_install_launcher launcher program entry icon)
    set(LAUNCHER "${launcher}")
    set(PROGRAM "${program}")
    set(BIN_TO_DEMO "${RZ_BIN_TO_DEMO}")
    configure_file("${PROJECT_SOURCE_DIR}/desktop/launcher.sh.in"
                   "${PROJECT_BINARY_DIR}/desktop/${launcher}" @ONLY)
    install(PROGRAMS "${PROJECT_BINARY_DIR}/desktop/${launcher}"
            DESTINATION "${CMAKE_INSTALL_BINDIR}")
    install(FILES "${PROJECT_SOURCE_DIR}/desktop/${icon}" DESTINATION "${RZ_ICON_INSTALL_DIR}")
    # The entry names the launcher and icon by their full installed paths, so it works from
    # any prefix; the prefix is the one given to the install, known only then.
    install(CODE "
        set(BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        set(ICONDIR \"\${CMAKE_INSTALL_PREFIX}/${RZ_ICON_INSTALL_DIR}\")
        configure_file(\"${PROJECT_SOURCE_DIR}/desktop/${entry}.in\"
                       \"${PROJECT_BINARY_DIR}/desktop/${entry}\" @ONLY)
        file(INSTALL \"${PROJECT_BINARY_DIR}/desktop/${entry}\"
             DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
    ")
endfunction()

rz_install_launcher(rerizuva2-play RERIZUVA2 rerizuva2.desktop rerizuva2.svg)

if(TARGET DARA)
    install(TARGETS DARA RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
    install(FILES "${PROJECT_SOURCE_DIR}/docs/man/DARA.1"
            DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
    rz_install_launcher(dara-edit DARA dara.desktop dara.svg)
endif()

# The installed tree and a first start from it, headless, through the launcher.
if(RZ_BUILD_TESTS)
    add_test(NAME InstallTree.FirstStartFromTheLaunchers
             COMMAND "${PROJECT_SOURCE_DIR}/tests/install/installed_tree_test.sh"
                     "${PROJECT_BINARY_DIR}" "$<TARGET_EXISTS:DARA>")
    set_tests_properties(InstallTree.FirstStartFromTheLaunchers PROPERTIES TIMEOUT 300)
endif()
