#include "ui/fileops/move_dialog.h"

#include <QComboBox>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/fileops/file_primitives.h"
#include "core/fileops/change_notifier.h"
#include "core/settings/startup.h"

TFMove::TFMove(const TFileSource& source, const std::optional<std::string>& preset, QWidget* parent)
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
            ChangeNotifier().PathChanged(to);
            ChangeNotifier().PathChanged(from);
        });
}

void TFMove::MoveFiles(const std::string& to) { Loop.MoveFiles(FileSet(), to, WarnOverwrite); }
