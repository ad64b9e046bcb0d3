// Stand-ins for what the access levels provide, so the window builds and runs until they come.
#include "main/Main.h"

// The calibration lock: locked from the start of the run.
bool CalibLocked = true;

void TForm1::UserpasswordSetupClick() {}       // opens the user password editor
void TForm1::Frm1MMenUnlockFrontendClick() {}  // opens the user password dialog to unlock
void TForm1::MMenSiteModePswClick() {}         // opens the user password dialog for site mode
