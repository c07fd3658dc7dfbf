#include "AppForms.h"

#include "MainUnit.h"
#include "ProgressUnit.h"
#include "TestUnit.h"

#include <QtGlobal>

namespace {
AppForms* current = nullptr;
}

AppForms::AppForms()
{
    Q_ASSERT(!current);
    current = this;
    MainForm = std::make_unique<TMainForm>();
    TestForm = std::make_unique<TTestForm>(ItemState);
    ProgressForm = std::make_unique<TProgressForm>();
}

AppForms::~AppForms()
{
    // Later windows may refer to earlier ones: destroyed in reverse order of creation.
    ProgressForm.reset();
    TestForm.reset();
    MainForm.reset();
    current = nullptr;
}

AppForms& AppForms::instance()
{
    Q_ASSERT(current);
    return *current;
}
