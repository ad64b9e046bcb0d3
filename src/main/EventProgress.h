#pragma once
// The event download's progress, counted in events asked for out of the relay's 1400: the
// percentage and the first line of the page's progress memo, which shows it.
#include "main/Main.h"

int EventDownloadPercent(const TForm1& f);
void ShowEventDownloadPercent(TForm1& f);
