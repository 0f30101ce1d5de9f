// Quilby: a classic MDI file manager. It takes no command-line arguments.
#include "ui/frame/quilby_application_qt.h"

int main(int argc, char** argv) { return RunQuilby(argc, argv); }
