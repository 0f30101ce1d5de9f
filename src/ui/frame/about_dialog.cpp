#include "ui/frame/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings/startup.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About Quilby");
    auto* picture = new QLabel(this);
    picture->setPixmap(QPixmap(":/Quilby"));
    picture->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(this);
    text->setObjectName("AboutText");
    text->setText(QString("<b>Quilby for Windows</b><br>%1<br>Version %2<br><br>"
                          "A file manager in the classic style:<br>"
                          "directory windows, tags and file operations.")
                      .arg(QString::fromStdString(ApplicationTitle()).toHtmlEscaped(), "0.1"));
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
