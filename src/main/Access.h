#pragma once
// Access levels: the client password file that locks the front end, and the calibration lock.
// Site mode and the front-end lock are fields of the main window (SiteModeActive, FrontendLocked).
#include <cstdint>
#include <string>

// The calibration lock: locked at every start; the factory password opens it, the same button
// closes it again. The system timer enables the calibration writes while it is open.
extern bool CalibLocked;

// The client password file. Drive C is mapped as the platform maps it.
inline constexpr const char* kClientPasswordFile = "C:\\TQ.psw";
// A password is one short line: a larger file is no password file and is not read.
inline constexpr uintmax_t kClientPasswordFileMaxBytes = 64 * 1024;

// The first line of the client password file; false (and `password` empty) when the file cannot
// be opened. A file that opens but cannot be read raises EInOutError.
bool ReadClientPassword(std::string& password);

// Whether the front end starts locked: the file opens and its first line is not empty.
bool ClientPasswordLocks();

// Whether the client password file exists (readable or not).
bool ClientPasswordFileExists();

// As ReadClientPassword, but only a missing file gives false; a file that exists and cannot be
// opened raises its EInOutError. The password editor uses it, so that it never replaces a file
// whose old password it could not check.
bool ReadExistingClientPassword(std::string& password);

// Why the client password file's place may not take a new password: it holds a symbolic link
// (never followed), a folder, a device or anything else but a regular file, or a file larger than
// a password file can be. The message says which; "" when the place is free or a password file.
std::string ClientPasswordFileRefusal();

// Replaces the client password file by one line: written whole or not at all, readable and
// writable by its owner only, and only as a regular file (a link in its place is refused, never
// followed). Raises EInOutError when it cannot be written.
void WriteClientPassword(const std::string& password);
