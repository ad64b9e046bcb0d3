#pragma once
// Every file a fuzz target writes stays in its build folder: drive C is a folder there, never the
// user's home or the system's temporary folder.
#include <cstdlib>
#include <filesystem>

inline void UseFuzzDriveC() {
  ::setenv("VUMA_DRIVE_C", VUMA_FUZZ_DRIVE_C, 1);
  std::filesystem::create_directories(VUMA_FUZZ_DRIVE_C);
}
