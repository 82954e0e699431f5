#include "functions/ui/form_embed_message.h"

#include "functions/embedded_message_rules.h"
#include "functions/ui/image_page_parts.h"
#include "widgets/character_validator.h"
#include "widgets/key_filter_edit.h"
#include "widgets/window_state_recorder.h"

#include <QFocusEvent>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zr40 {

namespace {

using Rules = EmbeddedMessageRules;

constexpr const char* kCaption = QT_TRANSLATE_NOOP("FormEmbedMessage", "Embedded Message");

} // namespace

FormEmbedMessage::FormEmbedMessage(Codeplug& codeplug, QWidget* parent)
    : ConfigPage(codeplug, &Codeplug::EmbedMessageOpen, parent) {
    BuildControls();
    FillCaptions();
    AnalyseEmbeddedInformation();
    new WindowStateRecorder(codeplug, this);
}

FormEmbedMessage::~FormEmbedMessage() = default;

QString FormEmbedMessage::Caption() const {
    return TextContext::Of(codeplug()).Tr("FormEmbedMessage", kCaption);
}

void FormEmbedMessage::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    ImagePageParts::AddNote(layout, this, TextContext::Of(codeplug()));
    // Characters without a single-byte code never reach a line, typed or pasted.
    auto* validator = new CharacterValidator(&Rules::Accepts, Rules::kLineLength, this);
    // A fixed-pitch font shows how much of the radio's line is used.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int index = 0; index < 2; ++index) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("TextEmbedMessage%1").arg(index));
        box->setMaxLength(Rules::kLineLength);
        box->setValidator(validator);
        box->setFont(fixed);
        box->setMinimumWidth(
            box->fontMetrics().horizontalAdvance(QString(Rules::kLineLength + 2, 'W')));
        box->installEventFilter(this);
        connect(box, &QLineEdit::returnPressed, this, [this, index] { EnterPressed(index); });
        textEmbedMessage_[index] = box;
        layout->addWidget(box);
    }
    layout->addStretch();
    ImagePageParts::AddCommands(layout, this, TextContext::Of(codeplug()));
    commandClose_ = findChild<QPushButton*>(QStringLiteral("CommandClose"));
}

void FormEmbedMessage::FillCaptions() {
    setWindowTitle(Caption());
}

void FormEmbedMessage::AnalyseEmbeddedInformation() {
    const Rules::Lines lines = Rules::MessageLines(codeplug().RadioImage);
    for (int index = 0; index < 2; ++index) {
        textEmbedMessage_[index]->setText(lines[index]);
        textEmbedMessage_[index]->setModified(false);
    }
}

void FormEmbedMessage::FreshEmbeddedInformation() {
    const auto before = codeplug().RadioImage;
    Rules::StoreLines(codeplug().RadioImage,
                      {textEmbedMessage_[0]->text(), textEmbedMessage_[1]->text()});
    for (QLineEdit* box : textEmbedMessage_)
        box->setModified(false);
    if (codeplug().RadioImage != before)
        emit edited(EditStep::Named("FormEmbedMessage", kCaption).Merging());
}

void FormEmbedMessage::EnterPressed(int index) {
    FreshEmbeddedInformation();
    if (index == 0) {
        textEmbedMessage_[1]->setFocus();
        textEmbedMessage_[1]->selectAll();
    } else {
        commandClose_->setFocus();
    }
}

bool FormEmbedMessage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        KeyFilterEdit::Leaving(*static_cast<QFocusEvent*>(event)) &&
        (watched == textEmbedMessage_[0] || watched == textEmbedMessage_[1]))
        FreshEmbeddedInformation();
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        ShowHelp();
        return true;
    }
    return ConfigPage::eventFilter(watched, event);
}

} // namespace zr40
