# Compiler settings shared by every target of the project.
add_library(kalmira_options INTERFACE)
target_compile_options(kalmira_options INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(kalmira_options INTERFACE
  QT_NO_CAST_FROM_ASCII_IMPLICIT QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(KALMIRA_WERROR)
  target_compile_options(kalmira_options INTERFACE -Werror)
endif()
if(KALMIRA_SANITIZE)
  target_compile_options(kalmira_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(kalmira_options INTERFACE -fsanitize=address,undefined)
endif()
