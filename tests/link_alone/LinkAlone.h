#pragma once
// The link on its own: the comms setup window, the variable table and the progress dialog on the
// headless backend, filling a relay model of the test's own. No main window exists; this test
// program links the link library and what lies below it, nothing else.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "link/CommSetup.h"
#include "link/UnitProgress.h"
#include "model/RelayState.h"
#include "platform/headless/Headless.h"
#include "platform/serial/Serial.h"
#include "platform/ui/Application.h"
#include "vartable/UnitVarTable.h"

struct LinkAlone : ::testing::Test {
  HeadlessBackend hb;
  std::optional<TApplication> app;
  model::RelayState m;

  LinkAlone() {
    SetPortLister(
        []() -> std::optional<std::vector<std::string>> { return std::vector<std::string>{}; });
    app.emplace(&hb);
    app->CreateForm(FormVariableTable);
    app->CreateForm(FrmProgress);
    app->CreateForm(Form2);
    Form2->Model = &m;
  }
  ~LinkAlone() override {
    app.reset();
    FormVariableTable = nullptr;
    FrmProgress = nullptr;
    Form2 = nullptr;
    SetPortLister(nullptr);
  }

  TForm2& link() { return *Form2; }

  // The link waiting for the answer to `head`, alone in the queue.
  void Await(uint8_t head) {
    link().ResetCommsQue();
    link().AddToCommsQue(head);
    link().AwaitingReply = true;
    link().WrittenRequest = head;
    link().CommsTimeOutCntr = 7;
  }
  void Answer(const std::string& packet) { link().ComDataPacket1Packet(packet); }
  // The answer was taken: the link is free and its watchdog rewound.
  bool Taken() {
    return !link().AwaitingReply && link().CommsTimeOutCntr == TForm2::kWatchdogTicks;
  }
  std::vector<uint8_t> Queue() {
    std::vector<uint8_t> q;
    for (int i = 0; i < TForm2::kQueueSlots - link().CommsQueSpaceLeft; ++i)
      q.push_back(
          link().CommsQue[static_cast<size_t>((link().CommsQueHead + i) % TForm2::kQueueSlots)]);
    return q;
  }
  // Column 1 (received) and column 2 (to send) of a record's row.
  static std::string Received(wire::RecordId id, int row) {
    return FormVariableTable->Grid(id).Cell(1, row);
  }
  static std::string ToSend(wire::RecordId id, int row) {
    return FormVariableTable->Grid(id).Cell(2, row);
  }
};
