// The folders of src/ are layers. HACKING.md's table of layers declares, for each folder, the
// folders its files may include; this test holds every file (core, Qt and the document alike)
// to that table, and the table itself to having no circle.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Edges = std::map<std::string, std::set<std::string>>;                    // folder -> folders
using Graph = std::map<std::string, std::map<std::string, std::string>>;  // folder -> folder -> example

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The rows of the table under "## Layers": "| `folder/` | holds | may include |", the last
// cell naming the allowed folders in backticks.
Edges DeclaredLayers(const std::string& hacking) {
    Edges declared;
    const size_t start = hacking.find("\n## Layers");
    if (start == std::string::npos) return declared;
    const size_t end = hacking.find("\n## ", start + 1);
    std::istringstream lines(hacking.substr(start, end == std::string::npos ? std::string::npos : end - start));
    const std::regex row(R"(^\| `([A-Za-z0-9_]+)/` \|[^|]*\|([^|]*)\|\s*$)");
    const std::regex folder(R"(`([A-Za-z0-9_]+)/`)");
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (!std::regex_match(line, m, row)) continue;
        auto& allowed = declared[m[1]];
        const std::string cell = m[2];
        for (std::sregex_iterator it(cell.begin(), cell.end(), folder), stop; it != stop; ++it) allowed.insert((*it)[1]);
    }
    return declared;
}

// Every include edge between two folders of src/, with one file that makes it.
Graph IncludeGraph(const fs::path& src) {
    Graph graph;
    const std::regex include(R"re(#include\s*"([A-Za-z0-9_]+)/[^"]+")re");
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const fs::path path = entry.path();
        if (path.extension() != ".h" && path.extension() != ".cpp") continue;
        const std::string text = ReadFile(path);
        const std::string folder = fs::relative(path, src).begin()->string();
        graph[folder];
        for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it) {
            const std::string target = (*it)[1];
            if (target != folder) graph[folder].emplace(target, fs::relative(path, src).string());
        }
    }
    return graph;
}

// A circle through the edges as "a -> b -> a", or empty when there is none.
std::string FindCircle(const Edges& edges) {
    std::map<std::string, int> state;  // 1 on the path, 2 done
    std::vector<std::string> path;
    std::string circle;
    std::function<bool(const std::string&)> visit = [&](const std::string& node) {
        state[node] = 1;
        path.push_back(node);
        if (const auto it = edges.find(node); it != edges.end()) {
            for (const auto& next : it->second) {
                if (state[next] == 1) {
                    for (auto p = std::find(path.begin(), path.end(), next); p != path.end(); ++p) circle += *p + " -> ";
                    circle += next;
                    return true;
                }
                if (state[next] == 0 && visit(next)) return true;
            }
        }
        path.pop_back();
        state[node] = 2;
        return false;
    };
    for (const auto& [node, next] : edges) {
        if (state[node] == 0 && visit(node)) return circle;
    }
    return {};
}

class IncludeLayers : public ::testing::Test {
protected:
    const fs::path root{ZOFAR_SOURCE_DIR};
    const Edges declared = DeclaredLayers(ReadFile(root / "HACKING.md"));
    const Graph graph = IncludeGraph(root / "src");
};

}  // namespace

TEST_F(IncludeLayers, everyFolderIsDeclaredAndIncludesOnlyWhatItsRowAllows) {
    ASSERT_TRUE(declared.count("base") && declared.count("document")) << "HACKING.md's layer table was not found";
    for (const auto& [folder, targets] : graph) {
        const auto row = declared.find(folder);
        if (row == declared.end()) {
            ADD_FAILURE() << "src/" << folder << "/ has no row in HACKING.md's layer table";
            continue;
        }
        for (const auto& [target, file] : targets) {
            if (!row->second.count(target)) ADD_FAILURE() << file << " includes " << target << "/, which its row does not allow";
        }
    }
}

TEST_F(IncludeLayers, theDeclaredLayersHaveNoCircle) { EXPECT_EQ(FindCircle(declared), ""); }

TEST(IncludeLayersReader, readsTheTableAndFindsACircle) {
    const Edges read = DeclaredLayers(
        "# X\n## Layers\n\n| folder | holds | may include |\n|---|---|---|\n| `base/` | text | nothing |\n"
        "| `store/` | rows | `base/` |\n| `app/` | shell | `base/`, `store/` |\n\n## Next\n| `late/` | x | `app/` |\n");
    EXPECT_EQ(read, (Edges{{"base", {}}, {"store", {"base"}}, {"app", {"base", "store"}}}));
    EXPECT_EQ(FindCircle({{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}}), "a -> b -> c -> a");
    EXPECT_EQ(FindCircle({{"a", {"b"}}, {"b", {}}}), "");
}
