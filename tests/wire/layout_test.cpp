// The wire vocabulary on its own: field conversions both ways, values refused by their field,
// the write rounding of the divided fields, and the request table against the answer shapes.
#include <gtest/gtest.h>

#include <string>

#include "wire/RecordLayouts.h"
#include "wire/Requests.h"

using namespace wire;

TEST(FieldConversion, BothWays) {
  struct Case {
    RecordId id;
    int row;
    std::string answerField;  // as the relay sends it
    std::string received;     // as stored in column 1
    std::string sentBack;     // the received text sent again
  };
  // clang-format off
  const Case cases[] = {
      {RecordId::Settings, 12, "005", "00250", "005"},
      {RecordId::Settings, 6, "100", "005", "100"},
      {RecordId::Settings, 6, "105", "005", "100"},  // div 20 rounds down
      {RecordId::Settings, 6, "115", "005", "100"},  // down, where the nearest would be 006
      {RecordId::Settings, 37, "000", "-030", "000"},
      {RecordId::Settings, 37, "250", "220", "250"},
      {RecordId::Settings, 1, "020", "020", "080"},  // the one field that is not undone
      {RecordId::Settings, 15, "00100", "005", "00100"},
      {RecordId::Calibration, 11, "251", "-005", "251"},
      {RecordId::Calibration, 12, "127", "127", "127"},
      {RecordId::Calibration, 12, "128", "-128", "128"},
      {RecordId::Logic, 25, "00060", "00003", "00060"},
      {RecordId::Logic, 58, "010", "-020", "010"},
      {RecordId::Statistics, 1, "70000", "04464", "04464"},
      {RecordId::ExtMod, 1, "255", "12750", "255"},
      {RecordId::StartConf, 23, "002", "00100", "002"},
      {RecordId::Identity, 2, "00000042", "00000042", "00000042"},
      {RecordId::Desc, 1, "  a b ? c           ", "  a b ? c           ", ""},  // "?" may not be sent
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(Layout(c.id).GridName) + " row " + std::to_string(c.row));
    const RecordLayout& rec = Layout(c.id);
    const FieldLayout& f = rec.Fields[c.row - 1];
    std::string answer(static_cast<size_t>(rec.AnswerLength()), '0');
    answer.replace(static_cast<size_t>(f.AnswerPos - 1), static_cast<size_t>(f.AnswerWidth),
                   c.answerField);
    EXPECT_EQ(ReceiveField(f, answer), c.received);
    std::string out;
    bool ok = SendField(rec, f, c.received, out);
    EXPECT_EQ(ok, !c.sentBack.empty());
    if (ok) {
      EXPECT_EQ(out, c.sentBack);
    }
  }
}

TEST(FieldConversion, ValuesThatDoNotFitAreRefused) {
  struct Case {
    RecordId id;
    int row;
    std::string send;
  };
  // clang-format off
  const Case cases[] = {
      {RecordId::Settings, 6, "050"},    // times 20 gives 1000: four digits in a 3-digit field
      {RecordId::Settings, 1, "101"},    // 100 minus 101 is negative
      {RecordId::Settings, 37, "-040"},  // plus 30 is still negative
      {RecordId::Settings, 12, "abc"},   // not a number
      {RecordId::Settings, 12, ""},
      {RecordId::Settings, 12, "50000"}, // div 50 gives 1000
      {RecordId::Settings, 2, "12"},     // sent as is: must already be 3 digits
      {RecordId::Settings, 2, "1234"},
      {RecordId::Settings, 2, "-01"},
      {RecordId::Identity, 2, "1234567x"},
      {RecordId::Desc, 2, "SHORT"},
      {RecordId::Desc, 2, "DRIVE#01"},
      {RecordId::Bluetooth, 1, "12*4"},
      {RecordId::Logic, 25, "00050"},   // times 20 gives 1000, fits 5 digits: accepted below
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(Layout(c.id).GridName) + " row " + std::to_string(c.row) + " '" +
                 c.send + "'");
    const RecordLayout& rec = Layout(c.id);
    std::string out;
    bool ok = SendField(rec, rec.Fields[c.row - 1], c.send, out);
    if (c.id == RecordId::Logic) {
      EXPECT_TRUE(ok && out == "01000");
    } else {
      EXPECT_FALSE(ok);
    }
  }
}

// The divided fields round a write down: a value between two steps goes out as the lower step,
// so a relay never gets a longer delay than the one shown.
TEST(FieldConversion, DividedWritesRoundDown) {
  struct Case {
    RecordId id;
    int row;
    std::string send;
    std::string sent;
  };
  // clang-format off
  const Case cases[] = {
      {RecordId::Settings, 12, "275", "005"},   // 5.5 steps: nearest would give 006
      {RecordId::Settings, 12, "115", "002"},
      {RecordId::Settings, 24, "299", "005"},
      {RecordId::Settings, 31, "275", "005"},
      {RecordId::ExtMod, 8, "275", "005"},
      {RecordId::StartConf, 23, "275", "005"},
      {RecordId::StartConf, 29, "49", "000"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(Layout(c.id).GridName) + " row " + std::to_string(c.row) + " '" +
                 c.send + "'");
    const RecordLayout& rec = Layout(c.id);
    std::string out;
    ASSERT_TRUE(SendField(rec, rec.Fields[c.row - 1], c.send, out));
    EXPECT_EQ(out, c.sent);
  }
}

// The request table's expected answers, the answer shapes and the record layouts describe the
// same protocol; a slip in one of them shows here.
TEST(RequestTable, AgreesWithShapesAndLayouts) {
  for (const RequestInfo& r : kRequests) {
    SCOPED_TRACE(r.Name);
    int shapesTaking = 0;
    for (const AnswerShape& s : kAnswerShapes) {
      for (uint8_t h : s.Heads) {
        if (h != r.Code) continue;
        ++shapesTaking;
        ASSERT_NE(r.AnswerLetters(), nullptr);
        EXPECT_STREQ(s.Letters, r.AnswerLetters());
        EXPECT_EQ(s.Length, r.AnswerLength());
      }
    }
    EXPECT_EQ(shapesTaking, r.AnswerLetters() ? 1 : 0);
    if (r.Kind == MessageKind::RecordWrite) {
      EXPECT_EQ(Layout(r.Record).AnswerLength(), r.AnswerLength());
      EXPECT_EQ(std::string(1, Layout(r.Record).Letter()), r.AnswerLetters());
    }
  }
}
