#include "ui/viewers/viewers_text_qt.h"

#include <QPointer>

#include "ui/frame/main_window.h"
#include "ui/viewers/text_editor.h"
#include "ui/viewers/text_viewer.h"

TFVAscii* OpenTextViewer(Tmainform& form, const std::string& fileName) {
    auto* viewer = new TFVAscii(&form);
    form.AddChild(viewer);
    QPointer<TFVAscii> self(viewer);
    if (!viewer->OpenFile(fileName) || !self) return nullptr;
    return viewer;
}

Tf_Editor* OpenEditor(Tmainform& form, const std::string& fileName) {
    // One editor a file: a second one could save over the first one's work.
    if (Tf_Editor* open = FindEditorOn(form.MDIChildren(), fileName); open && !fileName.empty()) {
        form.BringToFront(open);
        return open;
    }
    auto* editor = new Tf_Editor(&form);
    if (!editor->Open(fileName)) {
        delete editor;
        return nullptr;
    }
    form.AddChild(editor);
    return editor;
}

void InstallTextViewers(Tmainform& form) {
    form.RegisterCommand(TCommand::ViewText, OnPath([&form](const std::string& path) { OpenTextViewer(form, path); }));
    form.RegisterCommand(TCommand::EditFile, OnPath([&form](const std::string& path) { OpenEditor(form, path); }));
    form.RegisterCommand(TCommand::NewFile, [&form] { OpenEditor(form, std::string()); });
    // Whoever set the hook before keeps being asked.
    auto previous = form.OtherChildActivated;
    form.OtherChildActivated = [previous](QMdiSubWindow* child) {
        if (auto* viewer = qobject_cast<TFVAscii*>(child)) viewer->UpdateStatus();
        else if (previous) previous(child);
    };
}
