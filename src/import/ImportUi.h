#pragma once

#include <memory>
#include <string>

namespace zofar {

/// Progress of a long import, shown in a window while it runs.
class ImportProgress {
public:
    virtual ~ImportProgress() = default;
    virtual void SetRange(int lower, int upper) = 0;
    virtual void SetPosition(int position) = 0;
};

/// What an importer asks of the screen: its progress window, the question whether to go on
/// with a list that does not look like one, and the message of a failure that is not an engine
/// error (engine errors go to the store's reporter).
class ImportUi {
public:
    virtual ~ImportUi() = default;

    /// A progress window that stays up until the returned object is destroyed.
    virtual std::unique_ptr<ImportProgress> OpenImportProgress(const std::string& caption) = 0;
    /// Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    /// As AskYesNo, with No as the answer Enter gives: for a question whose Yes lets junk in.
    virtual bool AskYesNoDefaultNo(const std::string& text) { return AskYesNo(text); }
    /// Modal message with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace zofar
