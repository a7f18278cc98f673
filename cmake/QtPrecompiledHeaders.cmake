# Precompiled Qt headers for the targets whose files all include the Qt Widgets headers: the
# parse of those headers is most of each file's compile time there. Applied from the top
# level once every target exists, so the folders' own lists stay as they are.
set(ZENDRAL_QT_WIDGETS_PCH
  <QColor> <QDialog> <QFont> <QImage> <QLabel> <QObject> <QPainter> <QPixmap> <QPushButton>
  <QString> <QTimer> <QWidget>
  <functional> <map> <memory> <optional> <string> <vector>)

# One small library builds the precompiled header and the others reuse it: one parse of the
# Qt headers for the whole build instead of one per library. GCC checks that a header built
# elsewhere fits (same compiler options, no clashing macro) and otherwise parses the text
# headers as usual, so a target that does not fit is slower, never wrong; -Winvalid-pch says so.
function(zendral_use_qt_widgets_pch)
  # The header's own small library, below every library that reuses it.
  set(donor zendral_qt_widgets_pch)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  file(WRITE ${CMAKE_BINARY_DIR}/qt_widgets_pch.cpp "// Builds the shared precompiled Qt header.\n")
  add_library(${donor} STATIC ${CMAKE_BINARY_DIR}/qt_widgets_pch.cpp)
  target_link_libraries(${donor} PRIVATE Qt6::Widgets zendral_warnings)
  # The header is parsed with the macros every reusing library has: the project's Qt code
  # does without Qt's lower-case keywords.
  target_compile_definitions(${donor} PRIVATE QT_NO_KEYWORDS)
  target_precompile_headers(${donor} PRIVATE ${ZENDRAL_QT_WIDGETS_PCH})
  foreach(target ${ARGN})
    if(TARGET ${target})
      target_precompile_headers(${target} REUSE_FROM ${donor})
      target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS)
      target_compile_options(${target} PRIVATE -Winvalid-pch)
    endif()
  endforeach()
endfunction()
