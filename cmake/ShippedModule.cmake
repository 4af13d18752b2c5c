# Every module we ship (the data source, the property-page extension and the
# two stand-in libraries) is loaded and freed many times in one process: by a
# TWAIN manager while it lists and opens sources, and by the source at every
# session for the driver library. Whatever a load takes from the process must
# go back at unload.
#
# With the posix thread model, the statically linked C++ runtime reaches the
# POSIX threads layer for per-thread state, static guards and its own
# bookkeeping, and that layer takes a TLS slot, a thread handle, an event and
# a record per copy that it never frees. tx_shipped_module(<target>) therefore
#  - links tx_module_runtime (common/runtime): per-thread storage, static
#    guards and pthread_once on Win32 alone, and a clean-up when the module
#    unloads (its TLS slot, every thread's values, the runtime's emergency
#    exception pool);
#  - writes a link map and checks it after every link: the build fails, and
#    the module is removed, when it pulls in the runtime's own emulated TLS or
#    static guards, or the threads layer's thread code (pthread_self, keys,
#    condition waits, sleeps: std::thread, std::this_thread,
#    std::condition_variable, thread_local with a destructor), naming the
#    object and the symbol that asked for it;
#  - records the module for the soak test (tests/soak).
# The tests and GoogleTest keep the posix model and std::thread.
set(TX_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

function(tx_shipped_module target)
  set_property(GLOBAL APPEND PROPERTY TX_SHIPPED_MODULES ${target})
  tx_module_runtime_checked(${target})
endfunction()

# The runtime and the link-map check alone, for modules the tests build.
function(tx_module_runtime_checked target)
  if(NOT MINGW)
    return()
  endif()
  target_link_libraries(${target} PRIVATE tx_module_runtime)
  set(map ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
  target_link_options(${target} PRIVATE -Wl,-Map=${map})
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DMAP=${map} -DMODULE=$<TARGET_FILE:${target}>
            -P ${TX_CMAKE_DIR}/CheckModuleRuntime.cmake
    VERBATIM)
endfunction()
