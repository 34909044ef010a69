# The library graph as `cmake --graphviz` draws it, configured afresh into a
# folder of its own (so the build under test is not regenerated meanwhile).
# Fails when the project's libraries link each other in a cycle, or when a
# core library compiles with Qt Widgets in reach: through a link of its own
# or through a public or interface link further down (a private link of a
# library below, like the platform layer's dialogs, stays hidden).
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -DGENERATOR=... -P CheckLibraryGraph.cmake
# With DOT_FILE=... it reads that graph instead of configuring.

cmake_minimum_required(VERSION 3.25)

set(core_libraries
  tandrel_drawing tandrel_paperhouse tandrel_yield_core tandrel_roof_core tandrel_geo_core
  tandrel_addresses_core tandrel_presentations tandrel_pdf tandrel_settings tandrel_text
  tandrel_picture_lookup)

if(NOT DOT_FILE)
  file(REMOVE_RECURSE ${WORK_DIR})
  file(MAKE_DIRECTORY ${WORK_DIR})
  file(WRITE ${WORK_DIR}/CMakeGraphVizOptions.cmake
    "set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)\nset(GRAPHVIZ_GENERATE_DEPENDERS FALSE)\n")
  set(DOT_FILE ${WORK_DIR}/libraries.dot)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR} -G ${GENERATOR}
            -DTANDREL_BUILD_TESTS=ON -DTANDREL_BUILD_BENCH=OFF --graphviz=${DOT_FILE}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "configuring for the graph failed:\n${out}")
  endif()
endif()

file(STRINGS ${DOT_FILE} lines)
set(libraries "")
foreach(line IN LISTS lines)
  if(line MATCHES "^ *\"(node[0-9]+)\" \\[ label = \"([^\"]+)\"")
    set(node ${CMAKE_MATCH_1})
    set(name "${CMAKE_MATCH_2}")
    set(name_${node} "${name}")
    string(MAKE_C_IDENTIFIER "${name}" key)
    set(id_of_${key} ${node})
    if(name MATCHES "^tandrel_")
      list(APPEND libraries ${node})
    endif()
  elseif(line MATCHES "^ *\"(node[0-9]+)\" -> \"(node[0-9]+)\"(.*)$")
    set(from ${CMAKE_MATCH_1})
    set(to ${CMAKE_MATCH_2})
    list(APPEND all_${from} ${to})
    # Solid: public; dashed: interface; dotted: private.
    if(NOT CMAKE_MATCH_3 MATCHES "style = dotted")
      list(APPEND passed_on_${from} ${to})
    endif()
  endif()
endforeach()
if(NOT DEFINED id_of_tandrel_drawing OR NOT DEFINED id_of_Qt6__Widgets)
  message(FATAL_ERROR "${DOT_FILE} shows neither the engine nor Qt Widgets: not the project's graph")
endif()

# reach_<from>: every node reachable from `from` along the edges in `kind`.
function(reach from kind out)
  set(seen "")
  set(todo ${${kind}_${from}})
  while(todo)
    list(POP_FRONT todo n)
    if(NOT n IN_LIST seen)
      list(APPEND seen ${n})
      list(APPEND todo ${${kind}_${n}})
    endif()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

set(failures "")

# Cycles: libraries that reach each other, one line per group.
set(reported "")
foreach(lib IN LISTS libraries)
  if(lib IN_LIST reported)
    continue()
  endif()
  reach(${lib} all from_lib)
  if(NOT lib IN_LIST from_lib)
    continue()
  endif()
  set(group ${name_${lib}})
  list(APPEND reported ${lib})
  foreach(other IN LISTS from_lib)
    if(other STREQUAL lib OR NOT other IN_LIST libraries)
      continue()
    endif()
    reach(${other} all from_other)
    if(lib IN_LIST from_other)
      list(APPEND group ${name_${other}})
      list(APPEND reported ${other})
    endif()
  endforeach()
  list(SORT group)
  list(JOIN group " <-> " text)
  list(APPEND failures "cycle: ${text}")
endforeach()

# Widgets in reach of a core library's compilation.
set(widgets ${id_of_Qt6__Widgets})
foreach(core IN LISTS core_libraries)
  if(NOT DEFINED id_of_${core})
    continue() # not (yet) a library of this tree
  endif()
  set(id ${id_of_${core}})
  foreach(dep IN LISTS all_${id})
    reach(${dep} passed_on below)
    if(dep STREQUAL widgets OR widgets IN_LIST below)
      list(APPEND failures "${core} sees Qt6::Widgets through ${name_${dep}}")
    endif()
  endforeach()
endforeach()

list(REMOVE_DUPLICATES failures)
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "library graph (${DOT_FILE}):\n  ${text}")
endif()
list(LENGTH libraries count)
message(STATUS "library graph: ${count} libraries, no cycle, no core library sees Qt Widgets")
