// Receiver link costs: a Tune frame's round trip to a receiver program on another thread
// (connect, write, its answer) and decoding frames of the record's size.
#include <benchmark/benchmark.h>

#include "receiver/LinkFolder.h"
#include "receiver/LinkFrameDecoder.h"
#include "receiver/LinkMessage.h"
#include "receiver/LinkSender.h"
#include "receiver/ReceiverSimulator.h"
#include "support/TempDir.h"

namespace {

using namespace zofar;

const RecordSummary kRecord{9420.0, "Radio Exterior", "Noblejas", "Spain", "E"};

void BM_TuneRoundTrip(benchmark::State& state) {
    test::TempDir dir;
    test::ReceiverSimulator receiver(dir.folder(), "VESTRIX");
    const LinkFrame frame = MakeReceiverRecordFrame(kTuneMessage, 9420000, kRecord);
    for (auto _ : state) {
        const auto socket = FindReceiverSocket(dir.folder(), "VESTRIX");
        const LinkSendResult result = SendLinkFrame(*socket, frame);
        if (result.status != LinkSendStatus::Delivered) state.SkipWithError("not delivered");
    }
}
BENCHMARK(BM_TuneRoundTrip)->Unit(benchmark::kMicrosecond);

void BM_DecodeRecordFrame(benchmark::State& state) {
    const std::vector<uint8_t> bytes = EncodeLinkFrame(MakeReceiverRecordFrame(kTuneMessage, 9420000, kRecord));
    LinkFrameDecoder decoder;
    for (auto _ : state) {
        LinkDecodeResult result = decoder.Feed(bytes);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DecodeRecordFrame);

}  // namespace

BENCHMARK_MAIN();
