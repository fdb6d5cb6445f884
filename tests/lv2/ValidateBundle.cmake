# sord_validate checks the bundle's Turtle against the LV2 schemas lv2-dev
# installs; lv2info loads it from a private LV2_PATH and must report no error.
file(GLOB_RECURSE schemas /usr/lib/lv2/*.ttl)
file(GLOB bundle ${BUNDLE}/*.ttl)
execute_process(COMMAND sord_validate ${schemas} ${bundle} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" MATCHES "Found 0 errors")
  message(FATAL_ERROR "sord_validate: ${out}${err}")
endif()

get_filename_component(name ${BUNDLE} NAME)
set(path ${CMAKE_CURRENT_BINARY_DIR}/lv2-path-${name})
file(REMOVE_RECURSE ${path})
file(MAKE_DIRECTORY ${path})
file(CREATE_LINK ${BUNDLE} ${path}/${name} SYMBOLIC)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LV2_PATH=${path}:/usr/lib/lv2 lv2info urn:tallowridge:veltranefree
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT out MATCHES "Delay Plugin" OR NOT out MATCHES "Tallow Ridge")
  message(FATAL_ERROR "lv2info (${rc}): ${out}${err}")
endif()
