#pragma once

#include <QString>

// The folder that holds the program file, where its tables and pictures lie.
namespace ProgramFolder {

QString path();
// Tests point the program at a folder of their own.
void setPathForTesting(const QString& folder);
// Makes the program's folder the current directory, so that bare file names resolve there.
void makeCurrent();

} // namespace ProgramFolder
