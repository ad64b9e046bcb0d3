#include "main/Main.h"

// Sets up the settings file and printout commands of the main window.
void TForm1::InitSettingsFiles() {}
