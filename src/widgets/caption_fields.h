#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace zr40 {

// Lays input fields into a caption that leaves room for them with runs of blanks, as in
// "From Channel             To Channel": a field sits over a run of blanks, or after the end of
// the text. The caption (a label, radio button or check box) keeps its text exactly as it reads;
// the fields become its children and follow it when it is resized or its text changes.
class CaptionFields : public QObject {
    Q_OBJECT
public:
    static constexpr int kAfterText = -1;

    explicit CaptionFields(QWidget* caption);

    // The field covers run `run` (0 for the first run of two or more blanks) or, with kAfterText,
    // follows the text with the width it asks for.
    void Place(QWidget* field, int run);
    // Lays the fields out again (after the caption's text changed).
    void Update();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QWidget* widget;
        int run;
    };
    int TextLeft() const;

    QWidget* caption_;
    QList<Field> fields_;
};

} // namespace zr40
