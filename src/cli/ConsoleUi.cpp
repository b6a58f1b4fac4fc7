#include "cli/ConsoleUi.h"

#include <cstdio>

namespace zofar {

namespace {

// Messages keep their two lines; the second tells the user what to do.
void Print(const char* prefix, const std::string& text) {
    std::fprintf(stderr, "zofar-cli: %s%s\n", prefix, text.c_str());
}

class SilentProgress : public ImportProgress {
public:
    void SetRange(int, int) override {}
    void SetPosition(int) override {}
};

}  // namespace

void ConsoleUi::ShowMessage(const std::string& text) {
    ++messagesShown;
    Print("", text);
}

void ConsoleUi::ShowStoreError(const std::string& text) {
    ++messagesShown;
    Print("database error: ", text);
}

bool ConsoleUi::AskYesNo(const std::string& text) {
    Print("", text + (answerYes ? " yes (--yes)" : " no (give --yes to continue)"));
    return answerYes;
}

std::optional<ClipboardChoices> ConsoleUi::RunClipboardDialog(const ClipboardChoices& choices) {
    if (!outputScope) return std::nullopt;
    ClipboardChoices answer = choices;
    answer.scopeIndex = *outputScope - 1;
    return answer;
}

void ConsoleUi::PutOnClipboard(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

std::optional<PrintRequest> ConsoleUi::RunPrintDialog(const PrintChoices& choices) {
    if (!outputScope) return std::nullopt;
    PrintRequest answer{PrintAction::Print, choices};
    answer.choices.scopeIndex = *outputScope - 1;
    return answer;
}

std::unique_ptr<ImportProgress> ConsoleUi::OpenImportProgress(const std::string&) {
    return std::make_unique<SilentProgress>();
}

}  // namespace zofar
