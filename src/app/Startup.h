#pragma once

// What the program does before its first window: the application title and the fonts the
// windows name, mapped to the fonts this system has.
namespace Startup {

void substituteFonts();
void initialise();

} // namespace Startup
