#pragma once

#include "DataSource.h"
#include "Form.h"
#include "ItemState.h"
#include "Session.h"
#include "Table.h"

// The exam window: it owns the table session and the three table handles.
class TTestForm : public Form {
    Q_OBJECT
public:
    enum ExamMode { NoExam = 0, Testing = 1, Reviewing = 3 };

    TTestForm(ItemStateArray& itemState, QWidget* parent = nullptr);
    ~TTestForm() override;

    Session Mirelle;
    Table* dtQSet = nullptr;
    Table* dtCurrentSet = nullptr;
    Table* dtUserSet = nullptr;
    DataSource* dsQSet = nullptr;
    DataSource* dsCurrentSet = nullptr;
    DataSource* dsUserSet = nullptr;

    ExamMode examMode() const { return m_examMode; }
    ItemStateArray& itemState() { return m_itemState; }
    // Offers every exam command; the launcher calls it before showing the window.
    void EnableExamCommands();
    void CloseCurrentExam();

protected:
    void FormCreate();
    void FormClose() override;

private:
    ItemStateArray& m_itemState;
    ExamMode m_examMode = NoExam;
};
