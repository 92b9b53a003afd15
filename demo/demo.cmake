# The demo collection: ROM files written by make-demo.py into VEXA_DEMO_DIR,
# with the committed pictures copied into its images/. The target "demo"
# builds the launcher too: scripts/run.sh starts it in that folder.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(VEXA_DEMO_DIR ${PROJECT_BINARY_DIR}/demo)
file(GLOB demo_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/demo/images/*)
set(demo_stamp ${PROJECT_BINARY_DIR}/demo-written.stamp)

add_custom_command(
    OUTPUT ${demo_stamp}
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/demo/make-demo.py
            ${VEXA_DEMO_DIR} ${PROJECT_SOURCE_DIR}/demo/images
    COMMAND ${CMAKE_COMMAND} -E touch ${demo_stamp}
    DEPENDS ${PROJECT_SOURCE_DIR}/demo/make-demo.py ${demo_pictures}
    COMMENT "Writing the demo collection into ${VEXA_DEMO_DIR}"
    VERBATIM)
add_custom_target(demo ALL DEPENDS ${demo_stamp})
add_dependencies(demo vexa-launcher)
