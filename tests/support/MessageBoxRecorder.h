#pragma once

#include "AppMessageBox.h"

#include <QList>
#include <QQueue>

// Records every message box and answers it from a queue (the default button once empty).
class MessageBoxRecorder {
public:
    MessageBoxRecorder() {
        AppMessageBox::setTestHook([this](const AppMessageBox::Record& record) {
            records.append(record);
            return answers.isEmpty() ? AppMessageBox::defaultButton(record.buttons)
                                     : answers.dequeue();
        });
    }
    ~MessageBoxRecorder() { AppMessageBox::setTestHook({}); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void answer(AppMessageBox::Button button) { answers.enqueue(button); }

    QList<AppMessageBox::Record> records;
    QQueue<AppMessageBox::Button> answers;
};
