# Precompiled Qt headers for the targets whose files all include the Qt Widgets headers: the
# parse of those headers is most of each file's compile time there. Applied from the top
# level once every target exists, so the folders' own lists stay as they are.
set(ZENDRAL_QT_WIDGETS_PCH
  <QColor> <QDialog> <QFont> <QImage> <QLabel> <QObject> <QPainter> <QPixmap> <QPushButton>
  <QString> <QTimer> <QWidget>
  <functional> <map> <memory> <optional> <string> <vector>)

function(zendral_use_qt_widgets_pch)
  foreach(target ${ARGN})
    if(TARGET ${target})
      target_precompile_headers(${target} PRIVATE ${ZENDRAL_QT_WIDGETS_PCH})
    endif()
  endforeach()
endfunction()
