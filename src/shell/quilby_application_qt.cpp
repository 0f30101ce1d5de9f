#include "shell/quilby_application_qt.h"

#include "shell/main_window.h"
#include "shell/program_parts_qt.h"
#include "shell/prompter_qt.h"
#include "shell/startup.h"

TQuilbyApplication::TQuilbyApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQuilbyApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunReportingErrors([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

int RunQuilby(int argc, char** argv) {
    TQuilbyApplication app(argc, argv);
    // The prompter first: start-up may already have something to say.
    TQtPrompter qtPrompter;
    SetPrompter(&qtPrompter);
    StartProgram();
    int code = 0;
    {
        Tmainform form;
        InstallProgramParts(form);
        form.show();
        code = app.exec();
    }
    SetPrompter(nullptr);
    EndProgram();
    return code;
}
