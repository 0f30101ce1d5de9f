// The program's QApplication: an exception that escapes an event handler is
// shown by the general error display instead of ending the event loop.
#pragma once

#include <QApplication>

class TQuilbyApplication : public QApplication {
    Q_OBJECT
public:
    TQuilbyApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Runs the program: start-up in its fixed order, the main window and the
// event loop. The exit code of the event loop.
int RunQuilby(int argc, char** argv);
