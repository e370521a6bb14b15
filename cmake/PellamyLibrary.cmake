# pellamy_library(<name> DEPS <targets...>)
# A layer library made of every source file in the calling folder and its sub-folders.
function(pellamy_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    # moc's dependency file lists only the headers it saw last time, so a header added
    # since would never be moc'ed in an existing build folder: when the header list
    # changes, drop the autogen stamp so moc runs again.
    string(SHA1 header_hash "${headers}")
    set(hash_file "${CMAKE_CURRENT_BINARY_DIR}/${name}_headers.sha1")
    if(EXISTS "${hash_file}")
      file(READ "${hash_file}" previous_hash)
      if(NOT previous_hash STREQUAL header_hash)
        file(REMOVE "${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/timestamp")
      endif()
    endif()
    file(WRITE "${hash_file}" "${header_hash}")
  else()
    # A layer that has no code yet still takes part in the dependency chain.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${CMAKE_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# pellamy_tests(<folder-name> LIBS <targets...>)
# One test executable per *_test.cpp file in the calling folder, discovered by CTest.
# Separate executables keep one unfinished test file from blocking the others.
function(pellamy_tests group)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB test_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp")
  foreach(src ${test_sources})
    get_filename_component(stem ${src} NAME_WE)
    set(target "${group}_${stem}")
    add_executable(${target} ${src})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} pellamy_testsupport)
    gtest_discover_tests(${target}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                 TIMEOUT 300)
  endforeach()
endfunction()
