#pragma once
// The row tests' table runner: single edits of the baseline settings file, each read in a world of
// its own, with the log, editor value and send-column cell each must leave.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "reader/ReaderWorld.h"

// One edit of the baseline file and what it must leave: the log lines (before those of the
// missing sections), the editor's value and a send-column cell of the record's grid.
struct ReaderRowCase {
  const char* name;
  std::function<void(std::vector<std::string>&)> edit;
  std::vector<std::string> log;
  std::function<std::string(TForm1&)> editor;
  std::string expected;
  int sendRow;  // 0: not checked
  std::string sendCell;
};

// Reads each case's edit of the baseline file in a world of its own.
inline void CheckRowCases(const std::vector<ReaderRowCase>& cases, wire::RecordId record) {
  for (const ReaderRowCase& c : cases) {
    SCOPED_TRACE(c.name);
    ReaderWorld w;
    std::vector<std::string> file = w.Baseline();
    c.edit(file);
    std::vector<std::string> log = c.log;
    for (const std::string& line : MissingSectionLines()) log.push_back(line);
    EXPECT_EQ(w.Read(file), log);
    EXPECT_EQ(c.editor(w.f1()), c.expected);
    if (c.sendRow) {
      EXPECT_EQ(w.vt().Grid(record).Cell(2, c.sendRow), c.sendCell);
    }
  }
}
