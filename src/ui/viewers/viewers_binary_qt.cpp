#include "ui/viewers/viewers_binary_qt.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "ui/frame/main_window.h"
#include "ui/viewers/hex_viewer.h"
#include "ui/viewers/picture_viewer.h"

namespace {

// The viewer of type T that is open in form, not one closed and waiting
// for its deletion.
template <class T>
T* OpenViewer(Tmainform& form) {
    for (T* viewer : form.findChildren<T*>())
        if (!viewer->Closed()) return viewer;
    return nullptr;
}

// A new viewer is placed free-standing above the frame, or inside it as a
// document window that closes with the viewer; one already open comes to
// the front.
void ShowViewer(Tmainform& form, QWidget* viewer, bool made, bool freeStanding) {
    if (made && freeStanding) {
        viewer->setParent(&form, Qt::Window);
    } else if (made) {
        const QSize wanted = viewer->size();
        auto* holder = new QMdiSubWindow;
        holder->setAttribute(Qt::WA_DeleteOnClose);
        holder->setWidget(viewer);
        viewer->show();  // it was hidden while it loaded
        form.AddChild(holder);
        // The viewer's own size inside the frame and title bar, as far as
        // the frame has room.
        const QSize frame = holder->size() - viewer->size();
        holder->resize((wanted + frame).boundedTo(form.MDIArea->viewport()->size()));
        return;
    }
    if (auto* holder = qobject_cast<QMdiSubWindow*>(viewer->parentWidget())) {
        form.BringToFront(holder);
        return;
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void ViewHex(Tmainform& form, const std::string& path) {
    TfVHex* viewer = OpenViewer<TfVHex>(form);
    const bool made = viewer == nullptr;
    if (made) {
        viewer = new TfVHex(&form);
        viewer->hide();
    }
    // A load that fails reports it and closes the viewer itself.
    if (viewer->LoadFile(path)) ShowViewer(form, viewer, made, form.VHexS);
}

void ViewPicture(Tmainform& form, const std::string& path) {
    TViewForm* viewer = OpenViewer<TViewForm>(form);
    if (viewer) {
        viewer->LoadFile(path);  // a failure keeps the previous picture
        ShowViewer(form, viewer, false, form.VPicS);
        return;
    }
    // No empty viewer is left behind by a file that is no picture.
    auto* made = new TViewForm(&form);
    made->hide();
    try {
        made->LoadFile(path);
    } catch (...) {
        delete made;
        throw;
    }
    ShowViewer(form, made, true, form.VPicS);
}

}  // namespace

TfVHex* OpenHexViewer(Tmainform& form) { return OpenViewer<TfVHex>(form); }
TViewForm* OpenPictureViewer(Tmainform& form) { return OpenViewer<TViewForm>(form); }

void InstallBinaryViewers(Tmainform& form) {
    form.RegisterCommand(TCommand::ViewHex, OnPath([&form](const std::string& path) { ViewHex(form, path); }));
    form.RegisterCommand(TCommand::ViewPicture,
                         OnPath([&form](const std::string& path) { ViewPicture(form, path); }));
}
