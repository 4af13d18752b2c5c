# Warnings and Windows definitions shared by every target.
add_library(tx_options INTERFACE)
target_compile_definitions(tx_options INTERFACE
  WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601
  _CRT_SECURE_NO_WARNINGS)
if(MSVC)
  target_compile_options(tx_options INTERFACE /W4 /utf-8)
else()
  target_compile_options(tx_options INTERFACE -Wall -Wextra -Wno-unused-parameter
    -Wno-missing-field-initializers -Wno-cast-function-type)
endif()
