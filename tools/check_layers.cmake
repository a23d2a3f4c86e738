# Reads the #include lines of every source under SRC and fails, naming the file and the line,
# when one runs against the layer order:
#   core: base <- db <- settings <- store <- (winnings, stats, grids) <- datastore <- update <- app
#   gui:  ui <- (winnings, update, stats, grids) <- app, all over core
#   cli:  over core
# A folder includes its own layer and those below it; core includes no Qt, gui nor cli.
# Run: cmake -DSRC=<src folder> -P check_layers.cmake
set(rank_core_base 0)
set(rank_core_db 1)
set(rank_core_settings 2)
set(rank_core_store 3)
set(rank_core_winnings 4)
set(rank_core_stats 4)
set(rank_core_grids 4)
set(rank_core_datastore 5)
set(rank_core_update 6)
set(rank_core_app 7)
set(rank_gui_ui 0)
set(rank_gui_winnings 1)
set(rank_gui_update 1)
set(rank_gui_stats 1)
set(rank_gui_grids 1)
set(rank_gui_app 2)

# The target (core, gui, cli) and folder of a path from SRC; folder empty for cli.
function(locate path target_var folder_var)
  string(REGEX MATCH "^([a-z]+)/([a-z]+)/" found "${path}")
  if(found)
    set(${target_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    set(${folder_var} "${CMAKE_MATCH_2}" PARENT_SCOPE)
  else()
    string(REGEX MATCH "^([a-z]+)/" found "${path}")
    set(${target_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    set(${folder_var} "" PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp" "${SRC}/*.in")
set(violations "")
foreach(source IN LISTS sources)
  locate("${source}" from_target from_folder)
  file(STRINGS "${SRC}/${source}" lines REGEX "^#include [\"<]")
  foreach(line IN LISTS lines)
    set(allowed TRUE)
    if(line MATCHES "^#include <Q" AND from_target STREQUAL "core")
      set(allowed FALSE)
    elseif(line MATCHES "^#include \"([^\"]+)\"")
      locate("${CMAKE_MATCH_1}" to_target to_folder)
      if(to_target STREQUAL from_target AND DEFINED rank_${to_target}_${to_folder})
        # Within a target: the same folder, or a lower layer.
        if(NOT to_folder STREQUAL from_folder
           AND NOT rank_${to_target}_${to_folder} LESS rank_${from_target}_${from_folder})
          set(allowed FALSE)
        endif()
      elseif(NOT (to_target STREQUAL "core" OR to_target STREQUAL from_target))
        # The programs stand over core; nothing else is included across targets, and every
        # include of ours names its layer from src/.
        set(allowed FALSE)
      elseif(to_target STREQUAL "core" AND NOT DEFINED rank_core_${to_folder})
        set(allowed FALSE)
      endif()
    endif()
    if(NOT allowed)
      string(APPEND violations "  ${source}: ${line}\n")
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the layer order:\n${violations}")
endif()
list(LENGTH sources count)
message(STATUS "Layer order kept by the includes of ${count} files")
