#include "ui/fileops/error_prompt_dialog.h"
#include "ui/frame/shown_text_qt.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TFError::TFError(const std::string& message, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("FError");
    setWindowTitle("Error");

    M_Message = new QPlainTextEdit(this);
    M_Message->setObjectName("M_Message");
    M_Message->setReadOnly(true);
    M_Message->setFocusPolicy(Qt::NoFocus);
    M_Message->setFixedSize(285, 101);
    // The message's CR LF pairs are its line breaks.
    QString text = ShownQText(message);
    text.replace("\r\n", "\n");
    M_Message->setPlainText(text);

    auto* line1 = new QLabel("Retry the operation, Cancel this file", this);
    auto* line2 = new QLabel("or abort any remaining files?", this);

    RetryBtn = new QPushButton("&Retry", this);
    RetryBtn->setObjectName("RetryBtn");
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    AbortBtn = new QPushButton("&Abort", this);
    AbortBtn->setObjectName("AbortBtn");
    RetryBtn->setDefault(true);
    connect(RetryBtn, &QPushButton::clicked, this, [this] { AnswerWith(ErrorAction::Retry); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { AnswerWith(ErrorAction::SkipFile); });
    connect(AbortBtn, &QPushButton::clicked, this, [this] { AnswerWith(ErrorAction::AbortAll); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(RetryBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(AbortBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(M_Message);
    layout->addWidget(line1);
    layout->addWidget(line2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    RetryBtn->setFocus();
    adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFError::AnswerWith(ErrorAction action) {
    answer_ = action;
    answered_ = true;
    done(static_cast<int>(action));
}

void TFError::reject() { AnswerWith(ErrorAction::SkipFile); }

void TFError::closeEvent(QCloseEvent* event) {
    // The frame cannot end the prompt: the user must choose.
    if (!answered_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

ErrorAction TFError::AskErrorAction(const std::string& message) {
    TFError dialog(message);
    dialog.exec();
    return dialog.Answer();
}
