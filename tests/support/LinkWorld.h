#pragma once
// The link's windows on the headless backend with an in-memory serial line, for tests: the main
// window, the variable table, the progress dialog and the comms setup window, created in their
// start-up order, and (optionally) the test relay on the line.
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "link/CommSetup.h"
#include "link/UnitProgress.h"
#include "main/LiveRecords.h"
#include "main/Main.h"
#include "platform/headless/Headless.h"
#include "platform/headless/MemorySerial.h"
#include "platform/ui/Application.h"
#include "support/TestRelay.h"
#include "vartable/UnitVarTable.h"

struct LinkWorld {
  HeadlessBackend hb;
  InMemorySerialLine line{hb.clock};
  TApplication app{&hb};
  std::unique_ptr<TestRelay> relay;
  // What the port lister reports: these names, nothing (nullopt), or an error.
  std::optional<std::vector<std::string>> ports;
  bool listingThrows = false;

  explicit LinkWorld(
      bool withRelay = true,
      std::optional<std::vector<std::string>> portList = std::vector<std::string>{"COM1"},
      bool listingFails = false)
      : ports(std::move(portList)), listingThrows(listingFails) {
    SetPortLister([this]() -> std::optional<std::vector<std::string>> {
      if (listingThrows) throw std::runtime_error("port list unreadable");
      return ports;
    });
    SetSerialDeviceFactory(line.Factory({"COM1", "COM2", "COM3"}));
    if (withRelay) relay = std::make_unique<TestRelay>(line);
    app.CreateForm(Form1);
    // The link is tested on its own: the main window's sequencer and activity bar stay off.
    Form1->TmrSystem.SetEnabled(false);
    Form1->Timer1.SetEnabled(false);
    app.CreateForm(FormVariableTable);
    app.CreateForm(FrmProgress);
    app.CreateForm(Form2);
    ConnectRelayLink(*Form1, *Form2);
  }
  ~LinkWorld() {
    relay.reset();
    Form1 = nullptr;
    FormVariableTable = nullptr;
    FrmProgress = nullptr;
    Form2 = nullptr;
    SetPortLister(nullptr);
    SetSerialDeviceFactory(nullptr);
  }

  TForm1& f1() { return *Form1; }
  TForm2& f2() { return *Form2; }
  TFormVariableTable& vt() { return *FormVariableTable; }
  TFrmProgress& prog() { return *FrmProgress; }

  // Opens the port as the connect command does: watchdog 2 s.
  void Connect() {
    Form2->ComPort1.Open();
    Form2->CommsTimeOutCntr = 200;
  }
  // The messages written to the line so far.
  const std::vector<std::string>& Written() const { return line.written; }
};
