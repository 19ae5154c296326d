# Shared build settings for every Ventrix target.

set(VENTRIX_WARNINGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
# GCC 12 reports std::optional<QString> moves as maybe-uninitialized (false positives).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND VENTRIX_WARNINGS -Wno-maybe-uninitialized)
endif()

function(ventrix_target_defaults target)
  target_compile_options(${target} PRIVATE ${VENTRIX_WARNINGS})
  if(VENTRIX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(VENTRIX_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                             QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING
                             QT_USE_QSTRINGBUILDER)
endfunction()

# Ninja reruns moc only when a file it parsed before changes, so a header added to a folder since
# the last build would never be parsed and its meta-object code would be missing at link time.
# When the folder's file list changes, drop the moc step's timestamp so it runs again.
function(ventrix_rerun_moc_on_new_files target files)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_files.txt)
  string(JOIN "\n" now ${files})
  set(before "")
  if(EXISTS ${list_file})
    file(READ ${list_file} before)
  endif()
  if(NOT before STREQUAL now)
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    file(WRITE ${list_file} "${now}")
  endif()
endfunction()

# ventrix_library(name DIR dir LIBS ...): a static library of every .cpp directly in DIR.
function(ventrix_library name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS;EXTRA" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp ${ARG_DIR}/*.h ${ARG_DIR}/*.qrc)
  add_library(${name} STATIC ${sources} ${ARG_EXTRA})
  ventrix_rerun_moc_on_new_files(${name} "${sources}")
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  ventrix_target_defaults(${name})
endfunction()

# ventrix_tests(DIR dir LIBS ... [UI]): one test executable per test_*.cpp in DIR.
function(ventrix_tests)
  cmake_parse_arguments(ARG "UI" "DIR;PREFIX" "LIBS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${ARG_DIR}/test_*.cpp)
  if(ARG_UI)
    set(main ventrix_testmain_ui)
  else()
    set(main ventrix_testmain_core)
  endif()
  foreach(src ${tests})
    get_filename_component(stem ${src} NAME_WE)
    set(exe ${ARG_PREFIX}_${stem})
    add_executable(${exe} ${src})
    target_link_libraries(${exe} PRIVATE ${ARG_LIBS} ventrix_testsupport ${main} GTest::gtest GTest::gmock)
    ventrix_target_defaults(${exe})
    add_test(NAME ${exe} COMMAND ${exe})
    set_tests_properties(${exe} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=America/Argentina/Buenos_Aires"
      TIMEOUT 300)
  endforeach()
endfunction()
