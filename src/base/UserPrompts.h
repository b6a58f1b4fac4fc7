#pragma once

#include <string>

namespace zofar {

/// What every command may ask of the screen: messages, questions, the message pane, the busy
/// cursor and the window title. The Qt shell shows them; the command line prints them; tests
/// record them.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    /// Modal message captioned "ZOFAR" with the exclamation icon and an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    /// Modal message with the warning icon and an OK button, for database-engine errors.
    virtual void ShowStoreError(const std::string& text) = 0;
    /// Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    /// As AskYesNo, with No as the answer Enter gives: for a question whose Yes destroys
    /// something. A screen without default answers asks as AskYesNo.
    virtual bool AskYesNoDefaultNo(const std::string& text) { return AskYesNo(text); }
    /// The status bar's message pane, shown at once even during a long operation.
    virtual void ShowStatusMessage(const std::string& text) = 0;
    /// true shows the busy cursor; calls nest.
    virtual void SetWaitCursor(bool on) = 0;
    /// The window title for `databaseName` (empty for none).
    virtual void SetMainTitle(const std::string& databaseName) = 0;
};

}  // namespace zofar
