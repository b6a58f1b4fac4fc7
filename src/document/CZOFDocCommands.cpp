// Routes every document command to its handler, whoever asks: the menus, the toolbar, the
// list, the receiver link or the command line.
#include <array>

#include "document/CZOFDoc.h"
#include "store/KeyColumns.h"

namespace zofar {

namespace {

struct DocumentCommand {
    CommandId id;
    void (CZOFDoc::*handler)();
};

constexpr std::array kDocumentCommands{
    DocumentCommand{CommandId::Open, &CZOFDoc::OnDatabaseOpen},
    DocumentCommand{CommandId::Close, &CZOFDoc::OnDatabaseClose},
    DocumentCommand{CommandId::Create, &CZOFDoc::OnDatabaseCreate},
    DocumentCommand{CommandId::Delete, &CZOFDoc::OnDatabaseDelete},
    DocumentCommand{CommandId::DownloadSchedule, &CZOFDoc::OnDownloadSchedule},
    DocumentCommand{CommandId::Print, &CZOFDoc::PrintCommand},
    DocumentCommand{CommandId::SortDescending, &CZOFDoc::ToggleSortDescending},
    DocumentCommand{CommandId::Clipboard, &CZOFDoc::CopyToClipboard},
    DocumentCommand{CommandId::Export, &CZOFDoc::OnDatabaseExport},
    DocumentCommand{CommandId::SetFilter, &CZOFDoc::SetFilter},
    DocumentCommand{CommandId::DisableFilter, &CZOFDoc::ToggleFilter},
    DocumentCommand{CommandId::SelectPredefinedFilter, &CZOFDoc::SelectPredefinedFilter},
    DocumentCommand{CommandId::ManagePredefinedFilters, &CZOFDoc::ManagePredefinedFilters},
    DocumentCommand{CommandId::Tune, &CZOFDoc::OnTune},
    DocumentCommand{CommandId::FindCreateStation, &CZOFDoc::OnFindCreateStation},
    DocumentCommand{CommandId::ReceiverProgram, &CZOFDoc::OnReceiverProgram},
    DocumentCommand{CommandId::ListenerLocation, &CZOFDoc::OnListenerLocation},
    DocumentCommand{CommandId::SortDistance, &CZOFDoc::SortByDistance},
};

}  // namespace

bool CZOFDoc::Execute(CommandId id) {
    for (const auto& command : kDocumentCommands) {
        if (command.id == id) {
            (this->*command.handler)();
            return true;
        }
    }
    if (const KeyColumn* key = KeyColumnOfCommand(id); key && key->sortCommand == id) {
        SortBy(std::string(key->column));
        return true;
    }
    if (const KeyColumn* key = KeyColumnOfCommand(id); key && key->goToCommand == id) {
        if (key->goToMode == GoToMode::Number) {
            GoToFrequency();
        } else {
            GoToText(std::string(key->column), std::string(key->goToLabel), key->goToMode);
        }
        return true;
    }
    return false;
}

}  // namespace zofar
