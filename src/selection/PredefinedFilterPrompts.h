#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zofar {

/// Checks a name typed into the Enter Filter Name dialog: the message that keeps the dialog
/// open, or nothing when the name is taken.
using FilterNameCheck = std::function<std::optional<std::string>(const std::string& name)>;

/// What the rules of the Manage dialog ask of the dialog that shows them, so that its messages
/// and the name dialog come up over it.
class PredefinedFilterPrompts {
public:
    virtual ~PredefinedFilterPrompts() = default;

    /// A message captioned "ZOFAR" with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    /// A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    /// The Enter Filter Name dialog, opened empty. Its OK runs `check` and keeps the dialog
    /// open with the message it returns; the accepted name, nothing on Cancel.
    virtual std::optional<std::string> EnterFilterName(const FilterNameCheck& check) = 0;
};

}  // namespace zofar
