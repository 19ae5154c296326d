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

# ventrix_library(name DIR dir LIBS ...): a static library of every .cpp directly in DIR.
function(ventrix_library name)
  cmake_parse_arguments(ARG "" "DIR" "LIBS;EXTRA" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp ${ARG_DIR}/*.h ${ARG_DIR}/*.qrc)
  add_library(${name} STATIC ${sources} ${ARG_EXTRA})
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
