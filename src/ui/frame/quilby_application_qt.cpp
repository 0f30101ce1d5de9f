#include "ui/frame/quilby_application_qt.h"

#include "ui/frame/main_window.h"
#include "ui/frame/program_parts_qt.h"
#include "ui/frame/prompter_qt.h"
#include "core/settings/startup.h"

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
