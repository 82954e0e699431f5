#pragma once

#include <QStringList>

class QWidget;

namespace zr40 {

// Every text a window holds, one line each: the widget's path of object names, its class and the
// text (title, caption, tool tip, list items, headers and cells, menu entries), hidden widgets and
// actions included. The screen tour writes these lists so that two builds can be compared word
// for word (scripts/text-lists).
class WidgetTextDump {
public:
    static QStringList Lines(QWidget* window);
};

} // namespace zr40
