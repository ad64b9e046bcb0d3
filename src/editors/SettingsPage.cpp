#include "main/Main.h"

// Sets up the Settings page of the main window.
void TForm1::InitSettingsPage() {}
