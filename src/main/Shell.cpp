#include "main/Main.h"

// Sets up the shell of the main window.
void TForm1::InitShell() {}
