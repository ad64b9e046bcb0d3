// Commands and page preparations the shell binds or calls whose work other parts of the program
// provide; each body is replaced there.
#include "link/CommSetup.h"
#include "link/Requests.h"
#include "main/Main.h"

void TForm1::VerifySettingsClick() {}    // checks the relay's settings against a legacy file
void TForm1::CommsSelection() {}         // shows the communication settings of the relay's protocol
void TForm1::UpdateExtCommsSettingInTxBuff() {}  // packs the communication module page
