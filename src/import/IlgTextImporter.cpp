#include "import/IlgTextImporter.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <system_error>
#include <vector>

namespace zofar {

namespace {

constexpr int kProgressStep = 100;

// Splits the list into reads as the C library's line reading in text mode does: CR LF arrives
// as LF, and a read ends after the LF or at kIlgMaxRead characters. NUL bytes are ordinary
// characters. The stream is read in large blocks through istream::read, which turns a failing
// read (a folder, an I/O error) into badbit instead of an exception.
class ReadSplitter {
public:
    explicit ReadSplitter(std::istream& in) : in_(in), start_(in.tellg()), block_(kBlockSize) {}

    /// The next read into `out`, or only its length when `out` is null; 0 at the end.
    std::size_t Next(std::string* out) {
        if (out) out->clear();
        std::size_t length = 0;
        while (length < kIlgMaxRead) {
            if (pos_ == len_ && !Fill()) break;
            // Everything up to the next CR or LF goes at once, as far as the read has room.
            const char* begin = block_.data() + pos_;
            const std::size_t span = std::min(len_ - pos_, kIlgMaxRead - length);
            const char* end = begin + span;
            if (const void* lf = std::memchr(begin, '\n', span)) end = static_cast<const char*>(lf);
            if (const void* cr = std::memchr(begin, '\r', static_cast<std::size_t>(end - begin))) {
                end = static_cast<const char*>(cr);
            }
            if (out) out->append(begin, end);
            length += static_cast<std::size_t>(end - begin);
            pos_ += static_cast<std::size_t>(end - begin);
            if (end == begin + span) continue;
            const char c = block_[pos_++];
            if (c == '\r' && Peek() == '\n') continue;
            if (out) out->push_back(c);
            ++length;
            if (c == '\n') break;
        }
        return length;
    }

    bool Failed() const { return in_.bad(); }

    bool Rewind() {
        if (start_ == std::streampos(-1)) return false;
        in_.clear();
        in_.seekg(start_);
        pos_ = len_ = 0;
        return !in_.fail();
    }

private:
    static constexpr std::size_t kBlockSize = 1 << 16;

    int Peek() {
        if (pos_ == len_ && !Fill()) return -1;
        return static_cast<unsigned char>(block_[pos_]);
    }
    bool Fill() {
        if (!in_.good()) return false;
        in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
        pos_ = 0;
        len_ = static_cast<std::size_t>(std::max<std::streamsize>(in_.gcount(), 0));
        return len_ > 0;
    }

    std::istream& in_;
    std::streampos start_;
    std::vector<char> block_;
    std::size_t pos_ = 0;
    std::size_t len_ = 0;
};

int ClampToInt(long long n) { return static_cast<int>(std::min<long long>(n, INT_MAX)); }

bool ImportReads(std::istream& in, RecordSink& sink, ImportUi& ui, ImportProgress& progress) {
    ReadSplitter reader(in);
    std::string read;
    read.reserve(kIlgMaxRead);
    if (reader.Next(&read) == 0) {
        if (reader.Failed()) ui.ShowMessage(std::string(kIlgOpenErrorMessage));
        return false;
    }
    if (read.size() < kIlgMinFirstRead && !ui.AskYesNoDefaultNo(std::string(kIlgNotAListQuestion))) return false;

    long long lineCount = 1;
    while (reader.Next(nullptr) > 0) ++lineCount;
    if (reader.Failed() || !reader.Rewind()) {
        ui.ShowMessage(std::string(kIlgOpenErrorMessage));
        return false;
    }

    progress.SetRange(0, ClampToInt(lineCount));
    IlgLineParser parser;
    long long counter = 1;
    while (reader.Next(&read) > 0) {
        if (const BroadcastRecord* record = parser.Parse(read)) {
            if (!sink.AddRecord(*record)) return false;
        }
        if (counter % kProgressStep == 0) progress.SetPosition(ClampToInt(counter));
        ++counter;
    }
    // A read that breaks off halfway must not pass for a complete list.
    if (reader.Failed()) {
        ui.ShowMessage(std::string(kIlgOpenErrorMessage));
        return false;
    }
    return true;
}

}  // namespace

bool ImportIlgTextStream(std::istream& in, RecordSink& sink, ImportUi& ui) {
    const auto progress = OpenProgressWindow(ui);
    return ImportReads(in, sink, ui, *progress);
}

bool ImportIlgText(const std::string& sourceFolder, const std::string& fileName, RecordSink& sink, ImportUi& ui) {
    const auto progress = OpenProgressWindow(ui);
    const std::string path = sourceFolder + fileName;
    std::ifstream in;
    // A NUL would silently cut the name the system sees and open another file. Only a regular
    // file has an end: opening a FIFO would block, and a device could be read forever.
    std::error_code ec;
    if (path.find('\0') == std::string::npos && std::filesystem::is_regular_file(path, ec)) {
        in.open(path, std::ios::in | std::ios::binary);
    }
    if (!in.is_open()) {
        ui.ShowMessage(std::string(kIlgOpenErrorMessage));
        return false;
    }
    return ImportReads(in, sink, ui, *progress);
}

}  // namespace zofar
