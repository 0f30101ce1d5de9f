#include "ui/tagging/set_wildcards_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "ui/dirwin/mdi_child_window.h"
#include "core/tagging/wild_card.h"
#include "ui/frame/help_window.h"
#include "core/seams/prompter.h"
#include "core/settings/quilby_options.h"

namespace {

const char* const kSection = "SWILD";
constexpr int kHelpContext = 1033;

}  // namespace

TSetWildcardsDialog::TSetWildcardsDialog(TMDIChild* window, QWidget* parent)
    : QDialog(parent), window_(window), field_(this, kSection) {
    setObjectName("SWILD");
    setWindowTitle("Set Wildcards");

    E_Wild = field_.Edit;
    ResetBtn = field_.ResetBtn;
    LB_History = field_.History;
    if (window) E_Wild->setText(QString::fromStdString(window->Options.Wildcards));

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

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field_.Row);
    layout->addWidget(LB_History);
    layout->addWidget(buttons);
    E_Wild->setFocus();
}

void TSetWildcardsDialog::ResetBtnClick() { field_.Reset(); }

void TSetWildcardsDialog::HistoryClick(int row) { field_.ShowEntry(row); }

void TSetWildcardsDialog::OKBtnClick() {
    // Taken as typed: a field of blanks is an invalid list, not an empty one.
    const std::string text = E_Wild->text().toStdString();
    auto refuse = [this](const std::string& message) {
        ShowMessage(message);
        E_Wild->setFocus();
    };
    if (text.empty()) return refuse("Please enter wildcard pattern(s)");
    if (TWildCard(text).Invalid()) return refuse("Please enter valid pattern(s)");

    field_.Remember(text);
    accept();
    // A history that cannot be written does not keep the window from its
    // new filter; the failure is reported afterwards by whoever runs the
    // dialog.
    std::exception_ptr failure;
    try {
        field_.Save();
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
