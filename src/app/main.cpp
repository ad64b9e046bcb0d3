// The program: the Qt backend renders the windows the start-up creates, then the loop runs until
// the main window closes.
#include <QApplication>
#include <memory>

#include "app/Startup.h"
#include "platform/print/Printer.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSerial.h"
#include "platform/serial/Serial.h"
#include "platform/ui/Application.h"

int main(int argc, char** argv) {
  // Qt's own event loop rather than GLib's: GLib wakes the loop each time a descriptor is watched
  // or dropped, which the serial line does on every answer.
  if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
  QApplication qapp(argc, argv);
  QtBackend backend;
  SetSerialDeviceFactory(qtb::QtSerialFactory());
  Printer().SetDevice(std::make_shared<qtb::QtPrintDevice>());
  {
    TApplication app(&backend);
    StartUp(app);
    app.Run();
  }
  // The printer's device holds Qt objects: let it go while the application still exists.
  Printer().SetDevice(nullptr);
  return 0;
}
