// The in-process IPX network the protocol tests run on: delivery, broadcast, faults, streams.
#include "platform/fake/fake_network.h"

#include <gtest/gtest.h>

namespace {

using platform::FakeIpxHub;
using platform::FakeNetwork;

std::vector<uint8_t> bytes(std::initializer_list<uint8_t> list) {
  return std::vector<uint8_t>(list);
}

TEST(FakeNetwork, BroadcastsReachEveryOtherEndpointOnTheSocketNumber) {
  auto hub = std::make_shared<FakeIpxHub>();
  FakeNetwork a(hub, 1), b(hub, 2), c(hub, 3);
  std::string error;
  auto ea = a.openDatagram(0x8835, error), eb = b.openDatagram(0x8835, error),
       ec = c.openDatagram(0x4000, error);
  ASSERT_TRUE(ea && eb && ec);
  EXPECT_FALSE(a.openDatagram(0x8835, error));  // taken on that node
  ea->broadcast(bytes({1, 2, 3}));
  EXPECT_EQ(ea->pending(), 0u);
  EXPECT_EQ(eb->pending(), 3u);
  EXPECT_EQ(ec->pending(), 0u);
  auto got = eb->receive(2);
  ASSERT_TRUE(got);
  EXPECT_EQ(got->bytes, bytes({1, 2}));
  EXPECT_EQ(got->from, ea->ownAddress());
  eb->send(ea->ownAddress(), bytes({9}));
  auto back = ea->receive(400);  // the refused second endpoint left the first one bound
  ASSERT_TRUE(back);
  EXPECT_EQ(back->bytes, bytes({9}));
}

TEST(FakeNetwork, LossDuplicationAndReorderingHappenOnDemand) {
  auto hub = std::make_shared<FakeIpxHub>();
  FakeNetwork a(hub, 1), b(hub, 2);
  std::string error;
  auto ea = a.openDatagram(1, error), eb = b.openDatagram(1, error);
  hub->loseNext(1);
  ea->send(eb->ownAddress(), bytes({1}));
  EXPECT_EQ(eb->pending(), 0u);
  hub->duplicateNext(1);
  ea->send(eb->ownAddress(), bytes({2}));
  hub->reorderNext(1);
  ea->send(eb->ownAddress(), bytes({3}));
  std::vector<uint8_t> order;
  while (auto d = eb->receive(10)) order.push_back(d->bytes[0]);
  EXPECT_EQ(order, bytes({3, 2, 2}));
}

TEST(FakeNetwork, StreamsCarryWholeMessagesAndTellTheEnd) {
  auto hub = std::make_shared<FakeIpxHub>();
  FakeNetwork server(hub, 1), client(hub, 2);
  std::string error;
  const auto at = client.address(0x8935);
  auto listener = client.listenStream(at, error);
  ASSERT_TRUE(listener);
  EXPECT_FALSE(listener->accept());
  auto out = server.connectStream(at, error);
  ASSERT_TRUE(out);
  auto in = listener->accept();
  ASSERT_TRUE(in);
  std::vector<uint8_t> got;
  EXPECT_EQ(in->receive(2, got, 0), platform::StreamConnection::Read::kNothingYet);
  out->send(bytes({1, 2}));
  EXPECT_EQ(in->receive(2, got, 0), platform::StreamConnection::Read::kMessage);
  EXPECT_EQ(got, bytes({1, 2}));
  out.reset();
  EXPECT_EQ(in->receive(2, got, 0), platform::StreamConnection::Read::kEnd);
  EXPECT_FALSE(server.connectStream(server.address(1), error));
}

}  // namespace
