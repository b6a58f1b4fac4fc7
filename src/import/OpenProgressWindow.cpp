#include "import/OpenProgressWindow.h"

#include <string>

namespace zofar {

namespace {

class SilentProgress : public ImportProgress {
public:
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
};

}  // namespace

std::unique_ptr<ImportProgress> OpenProgressWindow(ImportUi& ui) {
    auto progress = ui.OpenImportProgress(std::string(kImportProgressCaption));
    if (!progress) progress = std::make_unique<SilentProgress>();
    return progress;
}

}  // namespace zofar
