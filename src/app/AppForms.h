#pragma once

#include "ItemState.h"

#include <memory>

class TMainForm;
class TTestForm;
class TProgressForm;
class TScoreForm;
class TNameForm;
class TAboutForm;

// Creates every window of the program once, in start-up order, and keeps them until the
// end; the rest of the program reaches them here. Tests create a fresh set per test.
class AppForms {
public:
    AppForms();
    ~AppForms();
    AppForms(const AppForms&) = delete;
    AppForms& operator=(const AppForms&) = delete;

    static AppForms& instance();

    // The responses of the running exam; they outlive every exam.
    ItemStateArray ItemState;

    std::unique_ptr<TMainForm> MainForm;
    std::unique_ptr<TTestForm> TestForm;
    std::unique_ptr<TProgressForm> ProgressForm;
    std::unique_ptr<TScoreForm> ScoreForm;
    std::unique_ptr<TNameForm> NameForm;
    std::unique_ptr<TAboutForm> AboutForm;
};
