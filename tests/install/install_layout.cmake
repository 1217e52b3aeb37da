# `cmake --install` into a fresh prefix: both programs, the demo workspace the
# installed copy fills its per-user folder from, the desktop entry and icon.
# Run by ctest with -DBUILD=<build folder> -DPREFIX=<empty folder>.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()
foreach(f bin/tssnc bin/tssnc-cli
          share/tssnc/demo/tssnc.ini share/tssnc/demo/sp2/shaft.sp2 share/tssnc/demo/spg/flange.spg
          share/applications/tssnc.desktop share/icons/hicolor/scalable/apps/tssnc.svg)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/tssnc.desktop" entry)
foreach(line "Exec=tssnc" "Icon=tssnc" "Type=Application")
  list(FIND entry "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "tssnc.desktop lacks ${line}")
  endif()
endforeach()
# The installed command-line tool runs from the prefix.
execute_process(COMMAND "${PREFIX}/bin/tssnc-cli" list "${PREFIX}/share/tssnc/demo/sp2/shaft.sp2"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "O1001\\(SHAFT OD\\)")
  message(FATAL_ERROR "installed tssnc-cli list: ${rc} ${out}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
