#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "LinkTestSockets.h"
#include "receiver/LinkFolder.h"
#include "support/Files.h"
#include "support/TempDir.h"

using namespace zofar;
using zofar::test::TempDir;

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(LinkFolder, liesInTheRuntimeFolderOnlyWhenThatIsAnAbsolutePath) {
    struct Case {
        std::map<std::string, std::string> env;
        std::string folder;
    };
    const Case cases[] = {
        {{{"XDG_RUNTIME_DIR", "/run/user/1000"}}, "/run/user/1000/zofar-link/"},
        {{{"XDG_RUNTIME_DIR", "/run/user/1000//"}}, "/run/user/1000/zofar-link/"},
        {{{"XDG_RUNTIME_DIR", "run/user/1000"}}, "/tmp/zofar-link-1000/"},
        {{{"XDG_RUNTIME_DIR", ""}}, "/tmp/zofar-link-1000/"},
        {{}, "/tmp/zofar-link-1000/"},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkFolderPath(test::FakeEnvironment(c.env), 1000), c.folder);
}

TEST(LinkFolder, isCreatedWithModeOwnerOnlyWhateverTheUmask) {
    TempDir dir;
    const mode_t oldMask = ::umask(0277);
    const LinkFolderResult result =
        PrepareLinkFolder(test::FakeEnvironment({{"XDG_RUNTIME_DIR", dir.path().string()}}));
    ::umask(oldMask);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.folder, dir.folder() + "zofar-link/");
    EXPECT_EQ(ModeOf(dir.file("zofar-link")), 0700u);
    // A second start uses the folder as it is.
    EXPECT_EQ(PrepareLinkFolder(test::FakeEnvironment({{"XDG_RUNTIME_DIR", dir.path().string()}})).folder,
              result.folder);
}

TEST(LinkFolder, anExistingFolderThatIsNotOursAloneIsRefusedAndLeftAsItIs) {
    TempDir dir;
    const auto env = test::FakeEnvironment({{"XDG_RUNTIME_DIR", dir.path().string()}});
    const std::string link = dir.file("zofar-link");

    std::filesystem::create_directory(link);
    ::chmod(link.c_str(), 0755);
    LinkFolderResult result = PrepareLinkFolder(env);
    EXPECT_EQ(result.folder, "");
    EXPECT_NE(result.error.find("mode must be 0700"), std::string::npos) << result.error;
    EXPECT_EQ(ModeOf(link), 0755u);
    std::filesystem::remove(link);

    // A symbolic link to a fit folder could be turned to any other.
    std::filesystem::create_directory(dir.file("elsewhere"));
    ::chmod(dir.file("elsewhere").c_str(), 0700);
    std::filesystem::create_directory_symlink(dir.file("elsewhere"), link);
    result = PrepareLinkFolder(env);
    EXPECT_EQ(result.folder, "");
    EXPECT_NE(result.error.find("is not a folder"), std::string::npos) << result.error;
    std::filesystem::remove(link);

    std::ofstream(link) << "x";
    EXPECT_NE(PrepareLinkFolder(env).error, "");
    EXPECT_TRUE(std::filesystem::is_regular_file(link));

    EXPECT_NE(LinkFolderProblem(dir.file("elsewhere"), ::geteuid() + 1).find("another user"), std::string::npos);
    EXPECT_EQ(LinkFolderProblem(dir.file("elsewhere"), ::geteuid()), "");
}

TEST(LinkFolder, receiverNameMatchesASocketNameThatBeginsWithItAfterBlanks) {
    struct Case {
        std::string socketName;
        std::string receiverName;
        bool matches;
    };
    const std::string long511(511, 'A');
    const Case cases[] = {
        {"VESTRIX", "VESTRIX", true},
        {"  VESTRIX", "VESTRIX", true},
        {"VESTRIX 2.1 - 9420 kHz", "VESTRIX", true},
        {"vestrix", "VESTRIX", false},
        {"\tVESTRIX", "VESTRIX", false},
        {"VEST", "VESTRIX", false},
        {" X VESTRIX", "VESTRIX", false},
        {"anything", "", true},
        {"VESTRIX", std::string("VEST\0RIX", 8), true},
        {long511, long511, true},
        {long511 + "B", long511 + "B", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReceiverNameMatches(c.socketName, c.receiverName), c.matches)
            << "'" << c.socketName.substr(0, 30) << "' / '" << c.receiverName.substr(0, 30) << "'";
    }
}

TEST(LinkFolder, findsTheFirstMatchingSocketInByteOrderAndPassesOverOtherFiles) {
    TempDir dir;
    for (const char* name : {"ZOFAR", "alpha", "VESTRIX B", "Alpha", "VESTRIX A"}) {
        ASSERT_TRUE(test::MakeStaleSocket(dir.file(name))) << name;
    }
    std::ofstream(dir.file("VESTRIX")) << "not a socket";
    std::filesystem::create_directory(dir.file("VESTRIX 0"));

    EXPECT_EQ(FindReceiverSocket(dir.folder(), "VESTRIX"), dir.folder() + "VESTRIX A");
    EXPECT_EQ(FindReceiverSocket(dir.folder(), ""), dir.folder() + "Alpha");
    EXPECT_EQ(FindReceiverSocket(dir.folder(), "alp"), dir.folder() + "alpha");
    EXPECT_EQ(FindReceiverSocket(dir.folder(), "vestrix"), std::nullopt);
    EXPECT_EQ(FindReceiverSocket(dir.folder(), "Z"), dir.folder() + "ZOFAR");
    EXPECT_EQ(FindReceiverSocket(dir.folder(), "Z", "ZOFAR"), std::nullopt);
    EXPECT_EQ(FindReceiverSocket(dir.folder() + "missing/", "VESTRIX"), std::nullopt);
}
