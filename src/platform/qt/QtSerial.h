#pragma once
// The serial line over QSerialPort, on the UI thread.
#include "platform/serial/Serial.h"

namespace qtb {

// Opens DevicePathForPort(port) at 19200 8N1 without flow control, DTR and RTS on where the
// device allows it; throws EComPort when it cannot be opened.
SerialDeviceFactory QtSerialFactory();

}  // namespace qtb
