// Where the program's Windows-style paths live on this system.
#pragma once

#include <string>

// $VUMA_DRIVE_C when set and not empty, else $HOME (else the account's home),
// without a trailing '/'.
std::string DriveCRoot();
// "c:\X\Y" (either case of the letter, '\' or '/') -> DriveCRoot() + "/X/Y";
// "c:\" -> DriveCRoot(). Any other path is returned unchanged.
std::string MapPath(const std::string& path);
// The file a save must replace: symbolic links followed to the file they name (which need not
// exist yet), so that a rename lands on that file and the link stays a link. Throws EInOutError
// for an unreadable link or a loop.
std::string FollowLinks(const std::string& path);
// Puts a file just renamed into place, and its folder's entry for it, on the disk, on a thread of
// its own: the rename already made the file whole or left the old one, so the user does not wait
// for the disk to confirm it.
void SyncToDiskLater(const std::string& path);
// Folder of the running executable, with a trailing '/'.
std::string ProgramFolder();
