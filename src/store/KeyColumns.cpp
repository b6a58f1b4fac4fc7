#include "store/KeyColumns.h"

namespace zofar {

const KeyColumn* FindKeyColumn(std::string_view column) {
    for (const auto& key : kKeyColumns) {
        if (key.column == column) return &key;
    }
    return nullptr;
}

const KeyColumn* KeyColumnOfCommand(CommandId id) {
    for (const auto& key : kKeyColumns) {
        if (key.sortCommand == id || key.goToCommand == id) return &key;
    }
    return nullptr;
}

}  // namespace zofar
