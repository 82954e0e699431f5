#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QTableView;

namespace zr40 {

// A caption in a grid's corner button, drawn as a header section like the others. Qt keeps the
// corner button disabled, which would grey the caption.
class GridCorner : public QObject {
public:
    // The caption is asked for at every paint, so that it follows the language.
    static void Caption(QTableView* grid, std::function<QString()> caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GridCorner(QObject* corner, std::function<QString()> caption);

    std::function<QString()> caption_;
};

} // namespace zr40
