# Checks the link map of a shipped module (see ShippedModule.cmake): none of
# the runtime's leaking members may be linked in. On failure the module file
# is removed, so that the next build links and checks it again.
#   cmake -DMAP=<module.map> -DMODULE=<module file> -P CheckModuleRuntime.cmake
cmake_minimum_required(VERSION 3.20)
file(READ ${MAP} text)
string(FIND "${text}" "Archive member included to satisfy reference by file (symbol)" start)
string(FIND "${text}" "\nDiscarded input sections" stop)
if(start LESS 0 OR stop LESS start)
  file(REMOVE ${MODULE})
  message(FATAL_ERROR "${MAP}: no archive-member section; cannot check ${MODULE}")
endif()
math(EXPR length "${stop} - ${start}")
string(SUBSTRING "${text}" ${start} ${length} members)
string(REPLACE ";" "," members "${members}")
string(REPLACE "\n" ";" lines "${members}")

# Each pulled member is named on one line; the next line (indented) names the
# file and the symbol that asked for it.
set(member "")
foreach(line IN LISTS lines)
  if(line MATCHES "^[^ \t].*\\.a\\(([^)]+)\\)$")
    set(member "${CMAKE_MATCH_1}")
    string(REGEX REPLACE "^([^ \t]*)\\(.*$" "\\1" archive "${line}")
    get_filename_component(archive "${archive}" NAME)
  elseif(member AND line MATCHES "^[ \t]+([^ \t].*) \\((.*)\\)$")
    set(by_${member} "${CMAKE_MATCH_1}")
    set(sym_${member} "${CMAKE_MATCH_2}")
    set(ar_${member} "${archive}")
    list(APPEND pulled ${member})
    set(member "")
  endif()
endforeach()

# member name -> why it may not be in a shipped module
set(banned
  "libwinpthread_la-thread.o|the POSIX threads layer's thread code, which takes a TLS slot, a thread handle and an event per load"
  "emutls.o|the runtime's emulated TLS, whose key lives in the POSIX threads layer"
  "guard.o|the runtime's static guards, which wait through the POSIX threads layer"
  "atexit_thread.o|thread_local destructors, which use the POSIX threads layer's keys")
set(faults "")
foreach(entry IN LISTS banned)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 reason)
  if(NOT name IN_LIST pulled)
    continue()
  endif()
  # Walk back to the first of our own objects that started the chain.
  set(chain "${ar_${name}}(${name})")
  set(at ${name})
  foreach(step RANGE 20)
    set(by "${by_${at}}")
    string(APPEND chain " <- ${sym_${at}} from ${by}")
    if(NOT by MATCHES "\\(([^)]+)\\)$")
      break()
    endif()
    set(next "${CMAKE_MATCH_1}")
    if(NOT DEFINED by_${next} OR next STREQUAL at)
      break()
    endif()
    set(at "${next}")
  endforeach()
  string(APPEND faults "\n  ${name}: ${reason}\n    ${chain}")
endforeach()

if(faults)
  file(REMOVE ${MODULE})
  message(FATAL_ERROR "${MODULE} links runtime code that leaks at every load:${faults}\n"
    "Module code uses Win32 threads, events and critical sections (std::mutex is fine), "
    "::Sleep instead of std::this_thread, and no std::condition_variable, std::thread "
    "or thread_local objects with destructors. A shipped module whose link fails with "
    "\"multiple definition of pthread_once\" has the same cause: run this check on its map.")
endif()
