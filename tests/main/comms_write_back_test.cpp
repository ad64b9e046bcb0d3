// Read the comms settings of an extended relay, write them back unchanged: the relay holds what it
// held, the comms record and every byte of the data block, whatever the protocol.
#include <gtest/gtest.h>

#include "support/CommsWorld.h"
#include "support/ShellWorld.h"

using namespace wire;

TEST(CommsWriteBack, ReadThenWriteLeavesTheRelayAsItWas) {
  for (int p = 0; p < editors::comms::kProtocolCount; ++p) {
    SCOPED_TRACE(p);
    ShellWorld w(true, "4e");
    RelayModel& relay = w.model();
    const int record[10] = {137, p, 1, 0, 16, 39, 2, 1, 255, 3};
    for (int b = 0; b < 10; ++b) relay.SetField(RecordId::Comms, b + 1, PadNum(record[b], 3));
    relay.CommsBlock = ValidBlock(w.f1(), p);
    relay.CommsBlock[32] = 7;  // bytes no protocol edits go back too
    relay.CommsBlock[33] = 8;
    const std::string recordBefore = relay.Record(RecordId::Comms);
    const auto blockBefore = relay.CommsBlock;

    w.f1().Connect1Click();
    ASSERT_EQ(w.f1().cbExtCommsSelProt.ItemIndex(), p);
    const size_t from = w.line.written.size();
    w.f1().bCommSettingsClick();
    EXPECT_EQ(w.ChainRequests(from), (std::vector<int>{ReqDownloadComm, ReqDownloadCommExtBlock0,
                                                       ReqDownloadCommExtBlock1}));
    EXPECT_EQ(relay.Record(RecordId::Comms), recordBefore);
    EXPECT_EQ(relay.CommsBlock, blockBefore);
  }
}
