// The dispatcher fuzz target's corpus as an ordinary test: every file through the framer and the
// dispatcher with every head request, without a crash (the sanitizer build also checks reads).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "support/DispatcherFuzz.h"
#include "support/LinkWorld.h"
#include "wire/AnswerShapes.h"
#include "wire/CorpusFiles.h"

using namespace wire;

TEST(DispatcherFuzzCorpus, EveryFileRuns) {
  EXPECT_GE(RunCorpus("link_dispatcher", FuzzDispatcherOnce), 5);
}

TEST(DispatcherFuzzCorpus, ShortAndEmptyInputs) {
  const uint8_t bytes[] = {0xFF, 0x00, '*', '#', '*'};
  for (size_t n = 0; n <= sizeof bytes; ++n) FuzzDispatcherOnce(bytes, n);
}

namespace {

// The seeds that hold whole relay answers, and the requests they answer, in order. The fuzzer
// mutates from these, so each parser's accepting path must be reachable from a seed: an answer a
// character too long or short would only ever exercise the shape check.
struct AnswerSeed {
  const char* File;
  std::vector<uint8_t> Heads;
};

// clang-format off
const AnswerSeed kAnswerSeeds[] = {
    {"answer_live_values", {ReqUploadActual}},
    {"answer_live_status", {ReqUploadActualStatus}},
    {"answer_identity", {ReqUploadDevID}},
    {"answer_settings", {ReqUploadSettings}},
    {"answer_clock", {ReqUploadRTC}},
    {"answer_calibration", {ReqUploadCalibration}},
    {"answer_statistics", {ReqUploadStat}},
    {"answer_ext_module", {ReqUploadExtModSet}},
    {"answer_description", {ReqUploadDesc}},
    {"answer_bluetooth", {ReqUploadBluetooth}},
    {"answer_logic", {ReqUploadLogic}},
    {"answer_starter_config", {ReqUploadStartConf}},
    {"answer_comms", {ReqUploadComms}},
    {"answer_comms_block_a", {ReqUploadCommsExtBlock0}},
    {"answer_comms_block_b", {ReqUploadCommsExtBlock1}},
    {"answer_comms_status", {ReqUploadCommsStat}},
    {"answer_comms_ext_status", {ReqUploadCommsExtStat}},
    {"answer_fault", {ReqFirstFault}},
    {"answer_event", {ReqEvent}},
    {"answer_spectrum", {ReqSpectrumRed}},
    {"settings_read", {ReqUploadSettings}},
    {"clock_spectrum_live", {ReqUploadRTC, ReqSpectrumWhite, ReqUploadActualStatus}},
    {"event_records", {ReqEvent, ReqEvent}},
};
// clang-format on

}  // namespace

// Each answer seed, as the fuzzer reads it (a mode byte, a split byte, then the line), goes
// through the framer and the dispatcher, each answer with its request queued: every one is
// accepted, which retires its request. Together the seeds hold an answer of every kind.
TEST(DispatcherFuzzCorpus, AnswerSeedsAreAcceptedAsTheirKind) {
  LinkWorld w(false);
  TForm2& f = w.f2();
  w.f1().EventFileWriteLn = [](const std::string&) {};
  const auto dispatch = f.ComDataPacket1.OnPacket;
  std::set<ParserId> kinds;
  for (const AnswerSeed& seed : kAnswerSeeds) {
    SCOPED_TRACE(seed.File);
    const std::filesystem::path file = CorpusDir("link_dispatcher") / seed.File;
    ASSERT_TRUE(std::filesystem::is_regular_file(file));
    const std::string data = ReadCorpusFile(file);
    ASSERT_GT(data.size(), 2u);

    // Each packet the framer cuts is the answer to the next request of the seed's list.
    size_t packets = 0, accepted = 0;
    f.ComDataPacket1.OnPacket = [&](const std::string& packet) {
      f.ResetCommsQue();
      if (packets < seed.Heads.size()) f.AddToCommsQue(seed.Heads[packets]);
      ++packets;
      f.ComDataPacket1Packet(packet);
      // Only an accepted answer retires its request.
      if (f.CommsQueHead == 1) ++accepted;
    };
    f.ComDataPacket1.Reset();
    f.ComDataPacket1.Feed(data.substr(2));
    EXPECT_EQ(packets, seed.Heads.size());
    EXPECT_EQ(accepted, seed.Heads.size());
    EXPECT_EQ(f.ComDataPacket1.Pending(), "");

    for (uint8_t head : seed.Heads)
      for (const AnswerShape& shape : kAnswerShapes)
        if (std::count(std::begin(shape.Heads), std::end(shape.Heads), head))
          kinds.insert(shape.Parser);
  }
  f.ComDataPacket1.OnPacket = dispatch;
  EXPECT_EQ(kinds.size(), std::size(kAnswerShapes));
}
