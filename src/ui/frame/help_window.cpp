#include "ui/frame/help_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "core/platform/platform.h"
#include "core/seams/prompter.h"

namespace {
QPointer<THelpWindow> helpWindow;
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    Title = new QLabel(this);
    Title->setObjectName("HelpTitle");
    QFont big = Title->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 2);
    Title->setFont(big);
    Text = new QPlainTextEdit(this);
    Text->setObjectName("HelpText");
    Text->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Title);
    layout->addWidget(Text, 1);
    resize(480, 400);
}

THelpWindow* THelpWindow::Instance() { return helpWindow; }

bool THelpWindow::ShowTopic(int topic, QWidget* parent) {
    std::string title;
    std::optional<std::string> text = plat::HelpTopic(topic, &title);
    if (!text) {
        prompter().Message("Help topic " + std::to_string(topic) + " is not in the help file " +
                               plat::HelpFile() + ".",
                           MsgIcon::Information, mbOK, "Help");
        return false;
    }
    if (!helpWindow) helpWindow = new THelpWindow(parent);
    helpWindow->Topic = topic;
    helpWindow->setWindowTitle("Quilby Help - " + QString::fromStdString(title));
    helpWindow->Title->setText(QString::fromStdString(title));
    helpWindow->Text->setPlainText(QString::fromStdString(*text));
    helpWindow->show();
    helpWindow->raise();
    return true;
}
