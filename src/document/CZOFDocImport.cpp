// The document's import step of Create: the importer of the list's kind fills the new database.
#include "document/CZOFDoc.h"

#include "import/SourceKinds.h"

namespace zofar {

std::optional<std::string> CZOFDoc::ImportList(const CreateDatabaseRequest& request) {
    const SourceImport source{
        request.sourceFolder, request.sourceFileName, request.codesPath, store_, importUi_, *this};
    return SourceKindOf(request.sourceKind).import(source);
}

}  // namespace zofar
