#pragma once

#include "Form.h"

// The about box: the logo, a few lines about the program and its web site.
class TAboutForm : public Form {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
};
