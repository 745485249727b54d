# SPDX-License-Identifier: GPL-3.0-or-later
# One library per folder. A folder's headers are reached as "folder/name.h"
# through an include root that holds that folder alone, so a target sees
# the headers of exactly the folders it links: an include against the
# layers' order fails to build.
set(TELVAR_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include_roots)

# An include root holding `folder` (or only the given headers of it).
function(telvar_include_root root folder)
  set(dir ${TELVAR_INCLUDE_ROOTS}/${root})
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  if(ARGN)
    file(MAKE_DIRECTORY ${dir}/${folder})
    foreach(header ${ARGN})
      file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder}/${header} ${dir}/${folder}/${header} SYMBOLIC)
    endforeach()
  else()
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${dir}/${folder} SYMBOLIC)
  endif()
endfunction()

# telvar_module(<folder> [CORE <sources> CORE_HEADERS <headers>
#                 CORE_USES <targets> CORE_PRIVATE <targets>]
#                [SOURCES <sources> USES <targets> PRIVATE_USES <targets>])
# A folder's core (telvar_<folder>_core: its logic and state, no panel)
# sees only the core headers of the folders below; its panel part
# (telvar_<folder>: the callbacks that read and fill panels) sees them all.
# What a part's headers include it uses PUBLIC (CORE_USES, USES); what only
# its sources need, PRIVATE (CORE_PRIVATE, PRIVATE_USES).
function(telvar_module folder)
  cmake_parse_arguments(M "" "" "CORE;CORE_HEADERS;CORE_USES;CORE_PRIVATE;SOURCES;USES;PRIVATE_USES" ${ARGN})
  if(M_CORE)
    telvar_include_root(${folder}_core ${folder} ${M_CORE_HEADERS})
    add_library(telvar_${folder}_core STATIC ${M_CORE})
    target_include_directories(telvar_${folder}_core PUBLIC ${TELVAR_INCLUDE_ROOTS}/${folder}_core)
    target_link_libraries(telvar_${folder}_core PUBLIC ${M_CORE_USES} PRIVATE ${M_CORE_PRIVATE})
  endif()
  if(M_SOURCES)
    telvar_include_root(${folder} ${folder})
    add_library(telvar_${folder} STATIC ${M_SOURCES})
    target_include_directories(telvar_${folder} PUBLIC ${TELVAR_INCLUDE_ROOTS}/${folder})
    if(M_CORE)
      target_link_libraries(telvar_${folder} PUBLIC telvar_${folder}_core)
    endif()
    target_link_libraries(telvar_${folder} PUBLIC ${M_USES} PRIVATE ${M_PRIVATE_USES})
  endif()
endfunction()
