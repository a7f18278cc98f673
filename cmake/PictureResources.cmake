# zendral_picture_resources(LIBRARY GENERATOR DIR PREFIX COMMENT INIT FILES...)
# Runs GENERATOR into DIR at build time and compiles the FILES it writes there (the list is
# the contract between the two) into the static LIBRARY under the resource PREFIX. INIT names
# the function (in namespace zendral, declared in the library's include/ header) that
# registers the pictures.
set(ZENDRAL_RESOURCE_INIT_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/ResourceInit.cpp.in)
function(zendral_picture_resources library)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "GENERATOR;DIR;PREFIX;COMMENT;INIT" "FILES;RCC_OPTIONS")
  add_custom_command(
    OUTPUT ${arg_FILES}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:${arg_GENERATOR}> ${arg_DIR}
    DEPENDS ${arg_GENERATOR}
    COMMENT "${arg_COMMENT}"
    VERBATIM
  )
  set(resource ${library})
  set(function ${arg_INIT})
  set(init_source ${CMAKE_CURRENT_BINARY_DIR}/${library}_init.cpp)
  configure_file(${ZENDRAL_RESOURCE_INIT_TEMPLATE} ${init_source} @ONLY)
  add_library(${library} STATIC ${init_source})
  target_include_directories(${library} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  target_link_libraries(${library} PUBLIC Qt6::Core)
  qt_add_resources(${library} "${library}"
    PREFIX "${arg_PREFIX}"
    BASE ${arg_DIR}
    OPTIONS ${arg_RCC_OPTIONS}
    FILES ${arg_FILES}
  )
endfunction()
