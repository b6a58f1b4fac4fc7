// The document's import step of Create: the importer of the list's kind fills the new database.
#include "document/CZOFDoc.h"

#include "import/EibiImporter.h"
#include "import/IlgDbaseImporter.h"
#include "import/IlgTextImporter.h"

namespace zofar {

std::optional<std::string> CZOFDoc::ImportList(const CreateDatabaseRequest& request) {
    switch (request.sourceKind) {
    case kSourceDbase:
        if (!ImportIlgDbase(request.sourceFolder, request.sourceFileName, store_, importUi_, *this))
            return std::nullopt;
        return std::string();
    case kSourceEibi: {
        const EibiImportResult result =
            ImportEibiCsv(request.sourceFolder + request.sourceFileName, request.codesPath, store_, importUi_);
        if (!result.ok) return std::nullopt;
        // An EiBi list has lines the import cannot read; the user learns how many.
        return EibiImportSummary(result);
    }
    default:
        if (!ImportIlgText(request.sourceFolder, request.sourceFileName, store_, importUi_)) return std::nullopt;
        return std::string();
    }
}

}  // namespace zofar
