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

std::unique_ptr<ImportProgress> ConsoleUi::OpenImportProgress(const std::string&) {
    return std::make_unique<SilentProgress>();
}

}  // namespace zofar
