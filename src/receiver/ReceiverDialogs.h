#pragma once

#include <optional>
#include <string>

namespace zofar {

/// The dialog of the receiver link: the receiver control program's name. The default answers
/// Cancel.
class ReceiverDialogs {
public:
    virtual ~ReceiverDialogs() = default;

    /// "ZOFAR  Receiver Control Program" holding `name`; the text as the user left it (empty
    /// allowed, nothing checked), nothing on Cancel.
    virtual std::optional<std::string> RunReceiverProgramDialog(const std::string& /*name*/) { return std::nullopt; }
};

}  // namespace zofar
