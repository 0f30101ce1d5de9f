#include "ui/viewers/picture_viewer.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/settings/startup.h"
#include "ui/frame/shown_text_qt.h"

TViewForm::TViewForm(QWidget* parent) : QWidget(parent) {
    setObjectName("ViewForm");
    setWindowTitle("View Form");
    setAttribute(Qt::WA_DeleteOnClose);

    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName("MainMenu");
    EditMenu = MainMenu->addMenu("&Edit");
    EditMenu->setObjectName("EditMenu");
    EditCopy = EditMenu->addAction("C&opy");
    EditCopy->setObjectName("EditCopy");
    connect(EditCopy, &QAction::triggered, this, [this] { RunReportingErrors([this] { CopyToClipboard(); }); });

    Image = new QLabel;
    Image->setObjectName("Image");
    Image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image->setCursor(Qt::CrossCursor);
    Scroller = new QScrollArea(this);
    Scroller->setObjectName("Scroller");
    Scroller->setWidget(Image);
    Scroller->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Scroller->setBackgroundRole(QPalette::Window);

    PictureMenu = new QMenu(this);
    PictureMenu->setObjectName("PictureMenu");
    PictureMenu->addAction(EditCopy);
    PictureClose = PictureMenu->addAction("C&Lose");
    PictureClose->setObjectName("PictureClose");
    connect(PictureClose, &QAction::triggered, this, [this] { CloseViewer(); });
    Scroller->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Scroller, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PictureMenu->popup(Scroller->mapToGlobal(at)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(MainMenu);
    layout->addWidget(Scroller);
    resize(400, 300);
}

void TViewForm::LoadFile(const std::string& fileName) {
    TPicture picture = LoadPicture(fileName);  // raises before anything changes
    picture_ = std::move(picture);
    Image->setPixmap(QPixmap::fromImage(picture_.Image));
    // The scroll ranges are the picture's width and height.
    Image->resize(picture_.Image.size());
    Scroller->horizontalScrollBar()->setValue(0);
    Scroller->verticalScrollBar()->setValue(0);
    setWindowTitle("Picture: " + ShownQText(fileName));
}

void TViewForm::CopyToClipboard() {
    if (picture_.Image.isNull()) return;
    auto* data = new QMimeData;
    data->setImageData(picture_.Image);
    if (!picture_.SourceMime.isEmpty()) data->setData(QString::fromLatin1(picture_.SourceMime), picture_.Source);
    QApplication::clipboard()->setMimeData(data);
}

void TViewForm::CloseViewer() {
    closed_ = true;
    if (auto* holder = qobject_cast<QMdiSubWindow*>(parentWidget()))
        holder->close();
    else
        close();
}

void TViewForm::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    closed_ = true;
}
