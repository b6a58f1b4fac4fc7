#include "store/CreateDatabaseChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <fstream>

#include "support/TempDir.h"

namespace zofar {
namespace {

// Records what the dialog would show and answers questions from a queue (No when it runs dry).
struct ScriptedPrompts {
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;

    CreateCheckPrompts Prompts() {
        return {[this](const std::string& t) { messages.push_back(t); },
                [this](const std::string& t) {
                    questions.push_back(t);
                    if (answers.empty()) return false;
                    const bool a = answers.front();
                    answers.pop_front();
                    return a;
                }};
    }
};

TEST(CreateDatabaseChecks, emptyNameAsksForANameAndFocusesTheNameField) {
    ScriptedPrompts ui;
    const auto r = CheckCreateDatabase("", "", {}, ui.Prompts());
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.focus, CreateDialogField::Name);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Please enter a name for the new database!"});
}

TEST(CreateDatabaseChecks, emptySourceAsksForAFileAndFocusesTheSelectButton) {
    ScriptedPrompts ui;
    const auto r = CheckCreateDatabase("NEW", "", {"NEW"}, ui.Prompts());
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.focus, CreateDialogField::SelectSourceButton);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Please select an ILG source file!"});
    EXPECT_TRUE(ui.questions.empty());
}

TEST(CreateDatabaseChecks, namesThatAreNoPlainFileNameOrTooLongForTheFileSystemAreRefused) {
    const std::string tooLong = NameTooLongMessage(kLongestDatabaseName);
    const std::vector<std::pair<std::string, std::string>> cases{
        {"../evil", std::string(kBadNameMessage)},
        {"a/b", std::string(kBadNameMessage)},
        {".", std::string(kBadNameMessage)},
        {"..", std::string(kBadNameMessage)},
        {std::string("a\0b", 3), std::string(kBadNameMessage)},
        {std::string(kLongestDatabaseName + 1, 'x'), tooLong},
        {std::string(kLongestDatabaseName / 2 + 1, 'x') + std::string(kLongestDatabaseName / 2, '\xC3'), tooLong},
    };
    for (const auto& [name, message] : cases) {
        ScriptedPrompts ui;
        const auto r = CheckCreateDatabase(name, "/tmp/list.txt", {}, ui.Prompts());
        EXPECT_FALSE(r.accepted) << name;
        EXPECT_EQ(r.focus, CreateDialogField::Name);
        EXPECT_EQ(ui.messages, std::vector<std::string>{message});
    }
    ScriptedPrompts ui;
    EXPECT_TRUE(
        CheckCreateDatabase(std::string(kLongestDatabaseName, 'x'), "/tmp/list.txt", {}, ui.Prompts()).accepted);
    EXPECT_FALSE(CheckCreateDatabase("abcd", "/tmp/list.txt", {}, ui.Prompts(), 3).accepted) << "the folder's limit";
}

TEST(CreateDatabaseChecks, newNameIsAcceptedWithoutQuestion) {
    ScriptedPrompts ui;
    const auto r = CheckCreateDatabase("B24", "/lists/b24.txt", {"A24", "SAMPLE"}, ui.Prompts());
    EXPECT_TRUE(r.accepted);
    EXPECT_FALSE(r.replace);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.questions.empty());
}

TEST(CreateDatabaseChecks, existingNameInAnotherCaseAsksToReplaceAndYesSetsTheFlag) {
    ScriptedPrompts ui;
    ui.answers = {true};
    const auto r = CheckCreateDatabase("sample", "/lists/b24.txt", {"A24", "Sample"}, ui.Prompts());
    EXPECT_TRUE(r.accepted);
    EXPECT_TRUE(r.replace);
    EXPECT_EQ(ui.questions, std::vector<std::string>{std::string(kReplaceQuestion)});
    EXPECT_TRUE(ui.messages.empty());
}

TEST(CreateDatabaseChecks, answeringNoAsksForADifferentNameAndFocusesTheNameField) {
    ScriptedPrompts ui;
    ui.answers = {false};
    const auto r = CheckCreateDatabase("SAMPLE", "/lists/b24.txt", {"SAMPLE"}, ui.Prompts());
    EXPECT_FALSE(r.accepted);
    EXPECT_FALSE(r.replace);
    EXPECT_EQ(r.focus, CreateDialogField::Name);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Please enter a different database name!"});
}

TEST(CreateDatabaseChecks, everyMatchingFileIsAskedAbout) {
    ScriptedPrompts ui;
    ui.answers = {true, false};
    const auto r = CheckCreateDatabase("abc", "/l.txt", {"ABC", "x", "Abc"}, ui.Prompts());
    EXPECT_EQ(ui.questions.size(), 2u);
    EXPECT_FALSE(r.accepted);
    EXPECT_FALSE(r.replace);
}

}  // namespace
}  // namespace zofar
