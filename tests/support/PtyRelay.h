#pragma once
// The relay model on a pseudo-terminal: the program (or a person) opens the slave side as if it
// were the relay's serial port. Answers are paced at 19200 baud, 10 bits a byte.
#include <string>

#include "support/RelayModel.h"

class PtyRelay {
 public:
  PtyRelay();
  ~PtyRelay();
  PtyRelay(const PtyRelay&) = delete;
  PtyRelay& operator=(const PtyRelay&) = delete;

  // Creates the pseudo-terminal; false (with Error set) when the system refuses one.
  bool Open();
  void Close();
  // The path to open from the other end, e.g. /dev/pts/7.
  const std::string& SlavePath() const { return slavePath_; }
  std::string Error;

  // Waits up to `timeoutMs` for bytes from the other end and answers them; false once the
  // pseudo-terminal has failed.
  bool Poll(int timeoutMs);

  RelayModel Model;
  // Pace answers at the line's speed (off for tests that only want the bytes).
  bool PaceAtBaudRate = true;
  // Hand each answer to the line in one write once its wire time has passed, as an adapter that
  // buffers a whole answer does; otherwise byte by byte, as the relay's UART sends them.
  bool WholeAnswers = false;

 private:
  void Deliver(const std::string& answer);
  void WriteAll(const std::string& bytes);
  int master_ = -1;
  int slaveHold_ = -1;  // kept open so the line stays up (and raw) between users
  std::string slavePath_;
};
