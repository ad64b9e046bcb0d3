#include "app/Startup.h"

#include "platform/ui/Application.h"

void StartUp(TApplication& app) { app.Title = "VUMA Frontend Rev 03B-03"; }
