#include "AppForms.h"
#include "ErrorGuard.h"
#include "MainUnit.h"
#include "Startup.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("Tarnwick needs a graphical display: start it from a desktop session, or "
                   "under a virtual one with: xvfb-run ./run.sh\n",
                   stderr);
        return 1;
    }
#endif
    GuardedApplication app(argc, argv);
    Startup::initialise();
    AppForms forms;
    forms.MainForm->show();
    return app.exec();
}
