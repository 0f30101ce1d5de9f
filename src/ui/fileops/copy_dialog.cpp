#include "ui/fileops/copy_dialog.h"

#include <QComboBox>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/fileops/file_primitives.h"
#include "core/fileops/change_notifier.h"
#include "core/settings/startup.h"

TFCopy::TFCopy(const TFileSource& source, const std::optional<std::string>& preset, QWidget* parent)
    : TTransferDialog(source, preset, "Copy", 1005, "Cancel the copy process?", parent) {
    setObjectName("FCopy");
    RB_File = new QRadioButton("&File", this);
    RB_File->setObjectName("RB_File");
    RB_File->setChecked(true);
    RB_LPT1 = new QRadioButton("LPT&1", this);
    RB_LPT1->setObjectName("RB_LPT1");
    RB_LPT2 = new QRadioButton("LPT&2", this);
    RB_LPT2->setObjectName("RB_LPT2");

    auto* group = new QGroupBox("Destination", this);
    auto* ports = new QHBoxLayout;
    ports->addWidget(RB_File);
    ports->addWidget(RB_LPT1);
    ports->addWidget(RB_LPT2);
    ports->addStretch(1);
    auto* inGroup = new QVBoxLayout(group);
    inGroup->addWidget(CB_Destination);
    inGroup->addLayout(ports);

    auto* layout = new QVBoxLayout;
    layout->addWidget(group);
    layout->addLayout(SourceRow("Copy from:"));
    layout->addWidget(CB_Overwrite);
    layout->addLayout(CountRow("Files to copy:"));
    layout->addWidget(LB1);
    layout->addLayout(ButtonRow({FindBtn}));
    FinishLayout(layout);
}

void TFCopy::OKBtnClick() {
    const bool printer = !RB_File->isChecked();
    // A printer port needs no destination directory.
    if (!printer && !AcceptDestination()) return;
    RunReportingErrors([this] { SaveWarnOverwrite(); });

    std::string to = RB_LPT1->isChecked()   ? "LPT1"
                     : RB_LPT2->isChecked() ? "LPT2"
                                            : AddBackslash(DestinationText());
    Run([&] { CopyFiles(to, printer); },
        [&] {
            ChangeNotifier().TreeChanged(to[0]);
            // Re-reading a tree keeps a window's list as it was; the
            // windows showing the destination read their files again.
            if (!printer) ChangeNotifier().PathChanged(to);
        });
}

void TFCopy::CopyFiles(const std::string& to, bool printer) {
    Loop.CopyFiles(FileSet(), to, printer, WarnOverwrite);
}
