#pragma once
// The link's windows with the live records plugged in, and a relay model standing still, for tests
// that feed whole live answers and look at the main window.
#include <string>

#include "main/LiveRecords.h"
#include "support/LinkWorld.h"

struct LiveWorld {
  LinkWorld w{false};
  TForm1& f1 = w.f1();
  TForm2& f2 = w.f2();
  RelayModel relay;  // source of well-formed answers

  LiveWorld() {
    ConnectLiveRecords(f2);
    relay.LiveMoving = false;
  }

  // The relay's answers as they stand now, through the parsers.
  int FeedActual() { return f2.PackActualData(relay.ActualRecord()); }
  int FeedStatus() { return f2.PackActualStatusData(relay.ActualStatusRecord()); }
  // A status answer carrying only these values (the rest zero).
  int FeedStatusValues(std::initializer_list<std::pair<int, int>> values) {
    relay.Status.fill(0);
    for (const auto& [index, value] : values) relay.Status[static_cast<size_t>(index)] = value;
    return FeedStatus();
  }
};
