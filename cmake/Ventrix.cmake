# Shared build settings for every Ventrix target.
#
# A module folder lists its files in its CMakeLists.txt:
#   ventrix_library(ventrix_cp01 SOURCES a.cpp a.h b.cpp b.h LIBS ventrix_common ventrix_data)
#   ventrix_library(ventrix_cp01_ui DIR ui SOURCES frm_a.cpp frm_a.h LIBS ventrix_cp01 ventrix_common_ui)
# and its tests go in tests/CMakeLists.txt:
#   ventrix_tests(PREFIX cp01 DIR cp01 LIBS ventrix_cp01 TESTS test_a.cpp test_b.cpp)
# Configuring stops when a file in such a folder is in no list, so a forgotten file shows at once.

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

# Stops configuring when a file matching one of the patterns in dir is not among listed.
function(ventrix_require_listed target dir listed)
  list(SUBLIST ARGV 3 -1 patterns)
  list(TRANSFORM patterns PREPEND ${dir}/)
  file(GLOB present ${patterns})
  foreach(file ${present})
    if(NOT file IN_LIST listed)
      file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${file})
      file(RELATIVE_PATH list_file ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_LIST_FILE})
      message(FATAL_ERROR "${shown} is not listed in ${target}: add it to ${list_file}")
    endif()
  endforeach()
endfunction()

# Headers nearly every file includes, compiled once per build and shared by the targets of a kind
# (same flags, so the compiler accepts them). The core set holds no widget header: a core file that
# includes one must still fail to build.
set(VENTRIX_PCH_CORE <QString> <QStringList> <QList> <QHash> <QVariant> <QDate> <QDateTime> <QDir>
    <QFile> <QFileInfo> <QObject> <QImage> <QPainter> <QRectF> <algorithm> <functional> <memory>
    <optional> <vector>)
set(VENTRIX_PCH_TESTS ${VENTRIX_PCH_CORE} <gtest/gtest.h> <QTemporaryDir> <QSqlDatabase> <QSqlQuery>
    <QSqlError> <QSqlRecord>)
set(VENTRIX_PCH_UI_TESTS ${VENTRIX_PCH_TESTS} <QApplication> <QWidget> <QDialog> <QPushButton> <QLineEdit>
    <QLabel> <QComboBox> <QTableView> <QTest>)

# A target that only builds the shared precompiled headers that others reuse.
function(ventrix_pch_target name)
  if(NOT VENTRIX_PCH)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "HEADERS;LIBS" ${ARGN})
  add_library(${name} OBJECT ${PROJECT_SOURCE_DIR}/cmake/pch.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
  ventrix_target_defaults(${name})
endfunction()

function(ventrix_use_pch target from)
  if(VENTRIX_PCH)
    target_precompile_headers(${target} REUSE_FROM ${from})
  endif()
endfunction()

# ventrix_library(name [DIR folder] SOURCES files... LIBS libs...): a static library of the listed
# files (.cpp, .h, .qrc), relative to the current folder or to its subfolder DIR.
function(ventrix_library name)
  cmake_parse_arguments(ARG "" "DIR" "SOURCES;LIBS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_DIR)
    set(dir ${dir}/${ARG_DIR})
  endif()
  set(sources ${ARG_SOURCES})
  list(TRANSFORM sources PREPEND ${dir}/)
  ventrix_require_listed(${name} ${dir} "${sources}" *.cpp *.h *.qrc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  ventrix_target_defaults(${name})
  ventrix_use_pch(${name} ventrix_pch_core)
endfunction()

# ventrix_tests(PREFIX prefix [DIR folder] [UI] LIBS libs... TESTS test_a.cpp ...): one test
# executable PREFIX_test_a per file, files relative to DIR under the current folder. UI tests run
# with a QApplication, the others with a QGuiApplication.
function(ventrix_tests)
  cmake_parse_arguments(ARG "UI" "DIR;PREFIX" "LIBS;TESTS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_DIR)
    set(dir ${dir}/${ARG_DIR})
  endif()
  set(tests ${ARG_TESTS})
  list(TRANSFORM tests PREPEND ${dir}/)
  ventrix_require_listed("the ${ARG_PREFIX} tests" ${dir} "${tests}" test_*.cpp)
  if(ARG_UI)
    set(main ventrix_testmain_ui)
    set(pch ventrix_pch_ui_tests)
  else()
    set(main ventrix_testmain_core)
    set(pch ventrix_pch_tests)
  endif()
  foreach(src ${tests})
    get_filename_component(stem ${src} NAME_WE)
    set(exe ${ARG_PREFIX}_${stem})
    add_executable(${exe} ${src})
    target_link_libraries(${exe} PRIVATE ${ARG_LIBS} ventrix_testsupport ${main} GTest::gtest)
    ventrix_target_defaults(${exe})
    ventrix_use_pch(${exe} ${pch})
    add_test(NAME ${exe} COMMAND ${exe})
    set_tests_properties(${exe} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;TZ=America/Argentina/Buenos_Aires"
      TIMEOUT 300)
  endforeach()
endfunction()
