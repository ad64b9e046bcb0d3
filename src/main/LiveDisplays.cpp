#include "main/Main.h"

// Sets up the live displays of the main window.
void TForm1::InitLiveDisplays() {}
