#include "search/set_wildcards_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "dirwin/mdi_child_window.h"
#include "search/history.h"
#include "search/wild_card.h"
#include "shell/help_window.h"
#include "shell/prompter.h"
#include "shell/quilby_options.h"

namespace {

const char* const kSection = "SWILD";
const char* const kKey = "WILD";
const char* const kAllFiles = "*.*";
constexpr int kHelpContext = 1033;

}  // namespace

TSetWildcardsDialog::TSetWildcardsDialog(TMDIChild* window, QWidget* parent)
    : QDialog(parent), window_(window) {
    setObjectName("SWILD");
    setWindowTitle("Set Wildcards");

    E_Wild = new QLineEdit(this);
    E_Wild->setObjectName("E_Wild");
    E_Wild->setMaxLength(static_cast<int>(kPatternListWidth));
    E_Wild->setMinimumWidth(220);
    if (window) E_Wild->setText(QString::fromStdString(window->Options.Wildcards));
    ResetBtn = new QPushButton(kAllFiles, this);
    ResetBtn->setObjectName("ResetBtn");
    ResetBtn->setAutoDefault(false);
    ResetBtn->setToolTip("Reset to *.*");
    LB_History = new QListWidget(this);
    LB_History->setObjectName("LB_History");
    LB_History->setFixedHeight(110);

    history_ = LoadHistory(kSection, kKey);
    for (const std::string& entry : history_) LB_History->addItem(QString::fromStdString(entry));

    auto* buttons = new QDialogButtonBox(this);
    OKBtn = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    CancelBtn->setObjectName("CancelBtn");
    HelpBtn = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
    HelpBtn->setObjectName("HelpBtn");

    // OK validates before anything closes; the box's own accept is not used.
    disconnect(buttons, nullptr, this, nullptr);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { THelpWindow::ShowTopic(kHelpContext, this); });
    connect(ResetBtn, &QPushButton::clicked, this, [this] { ResetBtnClick(); });
    connect(LB_History, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { HistoryClick(LB_History->row(item)); });

    auto* field = new QHBoxLayout;
    field->addWidget(E_Wild, 1);
    field->addWidget(ResetBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addWidget(LB_History);
    layout->addWidget(buttons);
    E_Wild->setFocus();
}

void TSetWildcardsDialog::ResetBtnClick() { E_Wild->setText(kAllFiles); }

void TSetWildcardsDialog::HistoryClick(int row) {
    if (QListWidgetItem* item = LB_History->item(row)) E_Wild->setText(item->text());
}

void TSetWildcardsDialog::OKBtnClick() {
    // Taken as typed: a field of blanks is an invalid list, not an empty one.
    const std::string text = E_Wild->text().toStdString();
    auto refuse = [this](const std::string& message) {
        ShowMessage(message);
        E_Wild->setFocus();
    };
    if (text.empty()) return refuse("Please enter wildcard pattern(s)");
    if (TWildCard(text).Invalid()) return refuse("Please enter valid pattern(s)");

    AddToHistory(text, history_);
    accept();
    // A history that cannot be written does not keep the window from its
    // new filter; the failure is reported afterwards by whoever runs the
    // dialog.
    std::exception_ptr failure;
    try {
        SaveHistory(kSection, kKey, history_);
    } catch (...) {
        failure = std::current_exception();
    }
    if (window_) {
        window_->Options.Wildcards = CutToWidth(text, kWildcardsWidth);
        window_->ReadDirectory();
    }
    if (failure) std::rethrow_exception(failure);
}

void ShowSetWildcards(TMDIChild& window) {
    // The dialog hangs on the window's frame, which may take it along when
    // it goes first.
    QPointer<TSetWildcardsDialog> dialog = new TSetWildcardsDialog(&window, window.window());
    dialog->exec();
    delete dialog.data();
}
