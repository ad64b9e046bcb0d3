#pragma once
// Program start-up: the application title and the windows, created once each in a fixed order.
class TApplication;

// Sets the title and creates every window in its order; the caller then runs the loop.
void StartUp(TApplication& app);
