#include "widgets/caption_fields.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

namespace zr40 {

namespace {

constexpr int kGap = 3; // pixels between a field and the words beside it

QString CaptionText(const QWidget* caption) {
    if (auto* label = qobject_cast<const QLabel*>(caption))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(caption))
        return button->text();
    return {};
}

} // namespace

CaptionFields::CaptionFields(QWidget* caption) : QObject(caption), caption_(caption) {
    caption_->installEventFilter(this);
}

void CaptionFields::Place(QWidget* field, int run) {
    field->setParent(caption_);
    fields_.append({field, run});
    Update();
}

// Where the caption starts drawing its text: after the indicator of a radio button or check box.
int CaptionFields::TextLeft() const {
    auto* button = qobject_cast<QAbstractButton*>(caption_);
    if (!button)
        return caption_->contentsRect().left();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect contents = caption_->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
    return contents.left();
}

void CaptionFields::Update() {
    const QString text = CaptionText(caption_);
    const QFontMetrics metrics = caption_->fontMetrics();
    const int left = TextLeft();
    QList<QPair<int, int>> runs; // start and length of each run of blanks
    const QRegularExpression blanks(QStringLiteral(" {2,}"));
    for (auto it = blanks.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        runs.append({int(match.capturedStart()), int(match.capturedLength())});
    }
    int width = left + metrics.horizontalAdvance(text);
    int height = 0;
    for (const Field& field : fields_) {
        const QSize hint = field.widget->sizeHint();
        int x = left + metrics.horizontalAdvance(text) + kGap;
        int w = hint.width();
        if (field.run >= 0 && field.run < runs.size()) {
            const auto [start, length] = runs.at(field.run);
            x = left + metrics.horizontalAdvance(text.left(start)) + kGap;
            w = metrics.horizontalAdvance(text.mid(start, length)) - 2 * kGap;
        } else {
            width = qMax(width, x + w);
        }
        height = qMax(height, hint.height());
        field.widget->setGeometry(x, (caption_->height() - hint.height()) / 2, w, hint.height());
    }
    caption_->setMinimumSize(width, qMax(height, caption_->sizeHint().height()));
}

bool CaptionFields::eventFilter(QObject* watched, QEvent* event) {
    if (watched == caption_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        Update();
    return QObject::eventFilter(watched, event);
}

} // namespace zr40
