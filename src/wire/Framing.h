#pragma once
// How the relay frames its messages on the serial line: every request and every answer runs
// from "*" to "#". The platform's packet framer is general; the link sets it up with these.
namespace wire {

inline constexpr const char* kPacketStart = "*";
inline constexpr const char* kPacketStop = "#";

}  // namespace wire
