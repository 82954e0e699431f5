#pragma once

#include <QWidget>

namespace zr40 {

// The bar between the page tree and the page area; dragging it with the left button asks the
// main window to move the panels to the cursor's x position (main window client pixels).
class PanelSeparator : public QWidget {
    Q_OBJECT
public:
    explicit PanelSeparator(QWidget* parent = nullptr);

signals:
    void dragged(int clientX);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zr40
