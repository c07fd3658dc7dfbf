#include "AppForms.h"

#include "AboutUnit.h"
#include "MainUnit.h"
#include "NameUnit.h"
#include "ProgressUnit.h"
#include "ScoreUnit.h"
#include "TestUnit.h"

#include <QtGlobal>

namespace {
AppForms* current = nullptr;
}

AppForms::AppForms() {
    Q_ASSERT(!current);
    current = this;
    MainForm = std::make_unique<TMainForm>();
    TestForm = std::make_unique<TTestForm>(ItemState);
    ProgressForm = std::make_unique<TProgressForm>();
    ScoreForm = std::make_unique<TScoreForm>(TestForm.get());
    NameForm = std::make_unique<TNameForm>();
    AboutForm = std::make_unique<TAboutForm>();
    TestForm->setDialogs(NameForm.get(), ProgressForm.get(), AboutForm.get());
    TestForm->setScoreDisplay(ScoreForm.get());
}

AppForms::~AppForms() {
    // Later windows may refer to earlier ones: destroyed in reverse order of creation.
    AboutForm.reset();
    NameForm.reset();
    ScoreForm.reset();
    ProgressForm.reset();
    TestForm.reset();
    MainForm.reset();
    current = nullptr;
}

AppForms& AppForms::instance() {
    Q_ASSERT(current);
    return *current;
}
