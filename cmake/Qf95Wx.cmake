# qf95_use_wx(<target> PUBLIC|PRIVATE <other libraries...>)
# Builds and links <target> with the wx libraries the directory's find_package(wxWidgets) found,
# wx's headers as system headers: their warnings are not ours to fix.
function(qf95_use_wx target scope)
  target_include_directories(${target} SYSTEM ${scope} ${wxWidgets_INCLUDE_DIRS})
  target_compile_definitions(${target} ${scope} ${wxWidgets_DEFINITIONS})
  target_compile_options(${target} ${scope} ${wxWidgets_CXX_FLAGS})
  target_link_libraries(${target} ${scope} ${ARGN} ${wxWidgets_LIBRARIES})
endfunction()
