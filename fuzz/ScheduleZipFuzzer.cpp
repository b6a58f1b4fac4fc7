// A season's zip from any bytes, read as the HFCC import reads it, with a small limit: nothing
// read is larger than the limit, and every entry of the archive reads or is refused.
#include "FuzzSupport.h"
#include "import/HfccCodeTables.h"
#include "import/HfccRecord.h"
#include "import/ScheduleFiles.h"
#include "import/ZipArchive.h"

using namespace zofar;

namespace {

constexpr std::size_t kLimit = 1 << 16;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(fuzz::Bytes(data, size));
    const ScheduleFileRules rules{IsHfccScheduleHead, HfccCodeTables::kFileNames, "open error", "HFCC schedule"};
    std::string message;
    if (const auto files = ScheduleFilesFromBytes(bytes, "", "", rules, kLimit, message)) {
        fuzz::Check(files->schedule.size() <= std::max(kLimit, bytes.size()), "the schedule passes the limit");
        for (const auto& [name, table] : files->tables) fuzz::Check(table.size() <= kLimit, "a table passes the limit");
    } else {
        fuzz::Check(!message.empty(), "a failure without a message");
    }
    if (const auto zip = ZipArchive::FromBytes(bytes)) {
        for (std::size_t i = 0; i < zip->Names().size(); ++i) {
            const ZipArchive::Entry entry = zip->Read(i, kLimit);
            fuzz::Check(entry.bytes.size() <= kLimit, "an entry passes the limit");
            fuzz::Check(entry.status == ZipArchive::Status::Ok || entry.bytes.empty(), "a refused entry has bytes");
            if (!ZipArchive::IsFlatName(zip->Names()[i]))
                fuzz::Check(entry.status != ZipArchive::Status::Ok, "an entry with a folder was read");
        }
    }
    return 0;
}
