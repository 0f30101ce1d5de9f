#include "ui/dirwin/drag_drop_qt.h"

#include <QCoreApplication>
#include <QDir>
#include <QDrag>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "core/filelist/drag_drop_rules.h"
#include "ui/dirwin/mdi_child_window.h"
#include "ui/fileops/directory_dialogs_qt.h"
#include "ui/fileops/file_dialogs_qt.h"
#include "ui/fileops/file_operation_dialog.h"
#include "core/platform/platform.h"
#include "core/seams/progress.h"
#include "ui/dirwin/frame_services.h"
#include "core/settings/startup.h"

namespace {

const char* KindWord(TDragKind kind) { return kind == TDragKind::Tree ? "tree" : "list"; }

QByteArray OwnMark(TDragKind kind) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ' ' + KindWord(kind);
}

// Every URI must be a local file on a drive; one that is not refuses the lot.
std::vector<std::string> LocalFiles(const QList<QUrl>& urls) {
    std::vector<std::string> files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) return {};
        const std::optional<std::string> path = plat::FromHost(QDir::cleanPath(url.toLocalFile()).toStdString());
        if (!path || !plat::FileExists(*path)) return {};
        files.push_back(*path);
    }
    return files;
}

// The dialog opens after the drop: the drop event returns at once, so the
// application the drag came from is not held up while the dialog is open.
void AfterTheDrop(const std::function<void()>& open) {
    QTimer::singleShot(0, qApp, [open] {
        RunReportingErrors(open);
        Progress().StopProgress();
    });
}

}  // namespace

QMimeData* MakeDragData(TDragKind kind, const std::vector<std::string>& paths) {
    auto* data = new QMimeData;
    data->setData(kQuilbyDragFormat, OwnMark(kind));
    QList<QUrl> urls;
    for (const std::string& path : paths)
        if (const std::optional<std::string> host = plat::ToHost(path))
            urls.append(QUrl::fromLocalFile(QString::fromStdString(*host)));
    data->setUrls(urls);
    return data;
}

TDraggedData ReadDragData(const QMimeData* data) {
    TDraggedData out;
    if (!data) return out;
    const QByteArray mark = data->data(kQuilbyDragFormat);
    for (TDragKind kind : {TDragKind::FileList, TDragKind::Tree})
        if (mark == OwnMark(kind)) {
            out.Kind = kind;
            return out;
        }
    if (!data->hasUrls()) return out;
    out.OutsideFiles = LocalFiles(data->urls());
    if (!out.OutsideFiles.empty()) out.Kind = TDragKind::Outside;
    return out;
}

std::function<void(QDrag*)>& DragLoop() {
    // The toolkit disposes of the drag when its loop ends. Files leave for
    // other applications as copies only: none may delete them here.
    static std::function<void(QDrag*)> loop = [](QDrag* drag) { drag->exec(Qt::CopyAction); };
    return loop;
}

QPixmap DragPicture(int taggedCount) {
    return QPixmap(taggedCount < 2 ? QStringLiteral(":/DRAG_SINGLE") : QStringLiteral(":/DRAG_MULTI"));
}

QPixmap ResultDragPicture(int cursor) { return QPixmap(QStringLiteral(":/DRAG_%1").arg(cursor)); }

void StartDrag(QWidget* source, QMimeData* data, const QPixmap& picture) {
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    drag->setPixmap(picture);
    // Below and right of the mouse pointer, which stays visible.
    drag->setHotSpot(QPoint(-8, -8));
    if (DragLoop())
        DragLoop()(drag);
    else
        delete drag;
}

void DropIntoDirectory(TFrameServices& frame, const std::string& dir) {
    const TDragState& drag = frame.Drag();
    const QPointer<TMDIChild> source = drag.Source;
    if (!source) return;
    const bool directory = drag.IsDirectory, move = drag.IsMove;
    const std::string root = directory ? source->GetSelectedDirectory() : std::string();
    AfterTheDrop([source, directory, move, root, dir] {
        // The window may have closed before the dialog could open.
        if (!source) return;
        if (directory)
            CopyDirectoryTo(source->Frame(), root, dir);
        else if (move)
            OpenMoveDialog(*source, dir);
        else
            OpenCopyDialog(*source, dir);
    });
}

void DropOutsideFiles(TFrameServices* frame, const std::vector<std::string>& files, const std::string& dir,
                      bool move) {
    // The frame may be gone by the time the dialog would open.
    const QPointer<QWidget> frameAlive = frame ? frame->FrameWidget() : nullptr;
    AfterTheDrop([frame, frameAlive, files, dir, move] {
        if (frame && !frameAlive) return;
        const TFileSource source{DroppedFileSet(files), frame, nullptr};
        if (move)
            OpenMoveDialog(source, dir);
        else
            OpenCopyDialog(source, dir);
    });
}
