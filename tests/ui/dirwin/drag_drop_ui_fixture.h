// What the drag-and-drop tests share: drags started with real mouse
// events while the toolkit's drag loop is left out (what a drag carries is
// kept), the drop's events sent to a target as the loop would send them,
// and the dialog a drop opens read as it comes up.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDrag>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sep_dir_ui_fixture.h"
#include "ui/dirwin/drag_drop_qt.h"

// A dialog as it came up.
struct TSeen {
    std::string name, caption, from, destination;
    std::vector<std::string> files;
};

struct TDropped {
    bool entered = false, moved = false, dropped = false;
    Qt::DropAction action = Qt::IgnoreAction;
};

struct DragDropUiTest : SepDirUiTest {
    std::function<void(QDrag*)> savedLoop = DragLoop();
    std::unique_ptr<QMimeData> dragged;  // what the last drag carried
    QImage draggedPicture;
    int drags = 0;

    // The drag loop is left out: the drag's data is kept for the drop.
    void CatchDrags() {
        DragLoop() = [this](QDrag* drag) {
            dragged = std::make_unique<QMimeData>();
            for (const QString& format : drag->mimeData()->formats())
                dragged->setData(format, drag->mimeData()->data(format));
            draggedPicture = drag->pixmap().toImage();
            ++drags;
            delete drag;
        };
    }
    void TearDown() override {
        SepDirUiTest::TearDown();
        DragLoop() = savedLoop;
    }

    // A row's middle, right of the Tag column, in a window's file list.
    template <class Window>
    static QPoint ListPoint(Window* w, int row) {
        const int h = w->LB1->RowHeight();
        return QPoint(w->Header1->sectionSize(0) + 30, row * h + h / 2);
    }
    // Presses on a row, moves the mouse `distance` pixels right with the
    // keys held, lets go.
    template <class Window>
    static void DragRow(Window* w, int row, Qt::KeyboardModifiers keys = {}, int distance = 10) {
        QWidget* viewport = w->LB1->viewport();
        const QPoint at = ListPoint(w, row), to = at + QPoint(distance, 0);
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        if (keys == Qt::NoModifier) {
            QTest::mouseMove(viewport, to);
        } else {
            // QTest moves the mouse without keys.
            QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, keys);
            QApplication::sendEvent(viewport, &move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    }
    static void DragTreeItem(TSepDir* w, const std::string& dir) {
        const QPoint at = TreePoint(w, dir);
        QTest::mousePress(w->DLB1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseMove(w->DLB1->viewport(), at + QPoint(0, 7));
        QTest::mouseRelease(w->DLB1->viewport(), Qt::LeftButton, {}, at + QPoint(0, 7));
    }
    // Enter and move at one point of target, as the drag loop sends them;
    // whether the move was taken.
    static bool Hover(QWidget* target, const QPoint& at, const QMimeData* data, Qt::KeyboardModifiers keys = {},
                      TDropped* r = nullptr) {
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, offered, data, Qt::LeftButton, keys);
        QApplication::sendEvent(target, &enter);
        if (r) r->entered = enter.isAccepted();
        // Moves go to the control that took the enter; without one there is none.
        if (!enter.isAccepted()) return false;
        QDragMoveEvent move(at, offered, data, Qt::LeftButton, keys);
        if (enter.dropAction() != Qt::IgnoreAction) move.accept();
        QApplication::sendEvent(target, &move);
        if (r) r->moved = move.isAccepted();
        return move.isAccepted();
    }
    // Hover, then drop where the move was taken (the loop drops nowhere else).
    static TDropped SendDrop(QWidget* target, const QPoint& at, const QMimeData* data,
                             Qt::KeyboardModifiers keys = {}) {
        TDropped r;
        if (!Hover(target, at, data, keys, &r)) return r;
        QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, keys);
        QApplication::sendEvent(target, &drop);
        r.dropped = drop.isAccepted();
        r.action = drop.dropAction();
        return r;
    }
    static bool DropOnly(QWidget* target, const QPoint& at, const QMimeData* data,
                         Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction) {
        QDropEvent drop(QPointF(at), offered, data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
    // Lets pending events run; the first modal dialog that comes up is read
    // and then cancelled, or handled by act.
    static std::optional<TSeen> NextDialog(const std::function<void(QDialog*)>& act = nullptr) {
        std::optional<TSeen> seen;
        QTimer poll;
        poll.setInterval(0);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d || seen) return;
            TSeen s;
            s.name = d->objectName().toStdString();
            s.caption = d->windowTitle().toStdString();
            if (auto* from = d->findChild<QLineEdit*>("E_From")) s.from = from->text().toStdString();
            if (auto* dest = d->findChild<QComboBox*>("CB_Destination"))
                s.destination = dest->currentText().toStdString();
            if (auto* list = d->findChild<QListWidget*>("LB1"))
                for (int i = 0; i < list->count(); ++i) s.files.push_back(list->item(i)->text().toStdString());
            seen = s;
            if (act)
                act(d);
            else
                d->reject();
        });
        poll.start();
        for (int i = 0; i < 5 && !seen; ++i) QApplication::processEvents();
        return seen;
    }
    static void PressOK(QDialog* d) { d->findChild<QPushButton*>("OKBtn")->click(); }
};
