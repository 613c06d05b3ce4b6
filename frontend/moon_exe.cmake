# Carries the lunar calculator inside the front end as the resource
# :/MOON_EXE/MOON_EXE (type "moon_exe", name "MOON_EXE"). The resource depends
# on the moon program itself, so rebuilding moon rebuilds it and relinks
# everything that carries it.
# Debug information is of no use in the carried copy and only makes every
# start-up write more bytes.
set(moon_exe_payload ${CMAKE_CURRENT_BINARY_DIR}/moon_exe_payload)
if(CMAKE_OBJCOPY)
  add_custom_command(OUTPUT ${moon_exe_payload}
    COMMAND ${CMAKE_OBJCOPY} --strip-debug $<TARGET_FILE:moon> ${moon_exe_payload}
    DEPENDS moon
    VERBATIM)
else()
  add_custom_command(OUTPUT ${moon_exe_payload}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:moon> ${moon_exe_payload}
    DEPENDS moon
    VERBATIM)
endif()

set(moon_exe_qrc ${CMAKE_CURRENT_BINARY_DIR}/moon_exe.qrc)
file(WRITE ${moon_exe_qrc}
  "<RCC>\n  <qresource prefix=\"/MOON_EXE\">\n"
  "    <file alias=\"MOON_EXE\">${moon_exe_payload}</file>\n"
  "  </qresource>\n</RCC>\n")

set(moon_exe_source ${CMAKE_CURRENT_BINARY_DIR}/qrc_moon_exe.cpp)
add_custom_command(OUTPUT ${moon_exe_source}
  COMMAND Qt6::rcc --name moon_exe --no-compress --output ${moon_exe_source} ${moon_exe_qrc}
  DEPENDS ${moon_exe_payload} ${moon_exe_qrc}
  COMMENT "Embedding the lunar calculator"
  VERBATIM)

# An object library whose objects go into every program that links the front
# end's library: from inside a static archive the linker would drop them, as
# nothing refers to them; they only register the resource at start-up.
add_library(moon_exe_resource OBJECT ${moon_exe_source})
target_link_libraries(moon_exe_resource PRIVATE Qt6::Core)
add_dependencies(frontend_resources moon_exe_resource)
target_link_libraries(frontend_resources INTERFACE "$<TARGET_OBJECTS:moon_exe_resource>")
