// TViewForm, the picture viewer: one picture at its natural size at the
// top left, scrolled when it is larger than the window, with a crosshair
// cursor; "C&opy" puts it on the clipboard, "C&Lose" closes the viewer.
#pragma once

#include <QScrollArea>
#include <string>

#include "ui/viewers/picture_loading.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;

class TViewForm : public QWidget {
    Q_OBJECT
public:
    explicit TViewForm(QWidget* parent = nullptr);

    // Loads fileName in place of the picture shown; a file that is no
    // picture raises EInvalidGraphic and the previous picture stays.
    void LoadFile(const std::string& fileName);
    void CopyToClipboard();
    // Closes the viewer, or the document window that holds it.
    void CloseViewer();
    bool Closed() const { return closed_; }

    const TPicture& Picture() const { return picture_; }

    QMenuBar* MainMenu;
    QMenu* EditMenu;        // "&Edit"
    QAction* EditCopy;      // "C&opy"
    QMenu* PictureMenu;     // the picture's context menu
    QAction* PictureClose;  // "C&Lose"
    QScrollArea* Scroller;
    QLabel* Image;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TPicture picture_;
    bool closed_ = false;
};
