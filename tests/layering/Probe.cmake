# Compiles SOURCE (which includes HEADER) with the include roots ROOTS and checks that HEADER
# was found (EXPECT=FOUND: it compiles) or not (EXPECT=MISSING: it fails on that very header).
set(args -std=c++20 -fsyntax-only)
foreach(root ${ROOTS})
  list(APPEND args -I${root})
endforeach()
execute_process(COMMAND ${COMPILER} ${args} ${SOURCE}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(FIND "${out}" "${HEADER}" named)
string(REGEX MATCH "No such file|not found" missing "${out}")
if(EXPECT STREQUAL "FOUND")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${HEADER} should compile with ${ROOTS}:\n${out}")
  endif()
elseif(status EQUAL 0 OR named EQUAL -1 OR NOT missing)
  message(FATAL_ERROR "${HEADER} should be out of reach of ${ROOTS}:\n${out}")
endif()
