#pragma once
// Drive C of the program's Windows-style paths on this system. A local copy of the runtime
// layer's mapping so the backend does not depend on its arrival.
#include <string>

namespace qtb {

// $VUMA_DRIVE_C when set and not empty, else $HOME; no trailing '/'.
std::string DriveCRoot();
// "c:\X\Y" (either case, '\' or '/') -> DriveCRoot() + "/X/Y"; anything else unchanged.
std::string MapWindowsPath(const std::string& path);

}  // namespace qtb
