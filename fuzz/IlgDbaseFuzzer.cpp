// The ILG dBASE import over any file: the table checks must stop every damaged structure before
// shapelib reads it, and every record made must be valid text.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "FuzzSupport.h"
#include "import/IlgDbaseImporter.h"

using namespace zofar;

namespace {

// One folder for the run, removed at exit; each input overwrites the table in it.
class RunFolder {
public:
    RunFolder() {
        char name[] = "/tmp/zofar-fuzz-dbase-XXXXXX";
        if (::mkdtemp(name) == nullptr) std::abort();
        folder_ = std::string(name) + "/";
    }
    ~RunFolder() {
        ::unlink((folder_ + "list.dbf").c_str());
        ::rmdir(folder_.c_str());
    }
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::string& Path() const { return folder_; }

private:
    std::string folder_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const RunFolder folder;
    {
        std::ofstream out(folder.Path() + "list.dbf", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) std::abort();
    }
    fuzz::YesImportUi ui;
    // The importer hands dBASE texts over at their table width; the store's own checks refuse
    // what is too long for a column.
    fuzz::CheckingSink sink(false);
    fuzz::SilentReporter reporter;
    ImportIlgDbase(folder.Path(), "list.dbf", sink, ui, reporter);
    return 0;
}
