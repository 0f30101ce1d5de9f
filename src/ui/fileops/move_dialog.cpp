#include "ui/fileops/move_dialog.h"

#include <QComboBox>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/fileops/file_primitives.h"
#include "ui/frame/main_window.h"
#include "core/settings/startup.h"

TFMove::TFMove(TMDIChild& source, const std::optional<std::string>& preset, QWidget* parent)
    : TTransferDialog(source, preset, "Move", 9014, "Cancel the move process?", parent) {
    setObjectName("FMove");
    CB_Destination->setToolTip("Destination of move");
    E_From->setToolTip("The source of the move");
    LB1->setToolTip("List of files to move.");

    auto* group = new QGroupBox("Destination", this);
    auto* inGroup = new QVBoxLayout(group);
    inGroup->addWidget(CB_Destination);

    auto* layout = new QVBoxLayout;
    layout->addWidget(group);
    layout->addLayout(SourceRow("Move from:"));
    layout->addWidget(CB_Overwrite);
    layout->addLayout(CountRow("Files"));
    layout->addWidget(LB1);
    layout->addLayout(ButtonRow({FindBtn}));
    FinishLayout(layout);
}

void TFMove::OKBtnClick() {
    if (!AcceptDestination()) return;
    RunReportingErrors([this] { SaveWarnOverwrite(); });
    const std::string from = FromDirectory();
    const std::string to = AddBackslash(DestinationText());
    Run([&] { MoveFiles(to); },
        [&] {
            if (Tmainform* form = MainForm()) {
                form->RefreshWindowsShowing(to);
                form->RefreshWindowsShowing(from);
            }
        });
}

void TFMove::MoveFiles(const std::string& to) {
    // Two names from a result window may share a file name; the second must
    // not silently replace the first, whose source is gone by then.
    TCopyRun moved;
    std::string source, target;
    Loop.Run(
        Files().size(),
        [&](size_t i) {
            source = Files()[i].Path;
            target = to + FileNamePart(source);
            // Only a complete copy lets the source go: a failed or changed
            // one raises before this and leaves it.
            CopyResult r = CopyOneFile(source, target, WarnOverwrite, false, &moved);
            if (r == CopyResult::Aborted) return LoopStep::StopAll;
            if (r == CopyResult::Copied) Loop.DeleteStep(source);
            return LoopStep::Next;
        },
        [&](size_t, const std::string& error) { return MovePrompt(error, source, target); });
}
