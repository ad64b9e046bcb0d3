#pragma once
// One fuzz input through the packet framer and the receive dispatcher, once for every head
// request (and an empty queue). Byte 0 chooses the transfer flags and page state, byte 1 where the
// byte stream is split into two arrivals; the rest are the bytes from the line.
#include <cstddef>
#include <cstdint>

void FuzzDispatcherOnce(const uint8_t* data, size_t size);
