// The toolkit-free folders of src/ are layers: no two of them include each other, directly or
// around a circle, and base/ includes nothing else of src/. The document's own files (CZOFDoc*)
// are the hub that joins the subsystems and stand outside this rule; so do the Qt files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Graph = std::map<std::string, std::map<std::string, std::string>>;  // folder -> folder -> example

bool IsQtFile(const std::string& text) { return std::regex_search(text, std::regex(R"(#include\s*<Q)")); }

// Every include edge between two folders, with one file that makes it.
Graph IncludeGraph(const fs::path& src) {
    Graph graph;
    const std::regex include(R"re(#include\s*"([A-Za-z0-9_]+)/[^"]+")re");
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const fs::path path = entry.path();
        if (path.extension() != ".h" && path.extension() != ".cpp") continue;
        if (path.filename().string().starts_with("CZOFDoc")) continue;
        std::ifstream in(path);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        if (IsQtFile(text)) continue;
        const std::string folder = fs::relative(path, src).begin()->string();
        graph[folder];
        for (std::sregex_iterator it(text.begin(), text.end(), include), end; it != end; ++it) {
            const std::string target = (*it)[1];
            if (target != folder) graph[folder].emplace(target, fs::relative(path, src).string());
        }
    }
    return graph;
}

// A circle through the graph as "a -> b -> a", or empty when there is none.
std::string FindCircle(const Graph& graph) {
    std::map<std::string, int> state;  // 1 on the path, 2 done
    std::vector<std::string> path;
    std::string circle;
    std::function<bool(const std::string&)> visit = [&](const std::string& node) {
        state[node] = 1;
        path.push_back(node);
        const auto it = graph.find(node);
        if (it != graph.end()) {
            for (const auto& [next, file] : it->second) {
                if (state[next] == 1) {
                    for (auto p = std::find(path.begin(), path.end(), next); p != path.end(); ++p)
                        circle += *p + " -> ";
                    circle += next + " (" + file + ")";
                    return true;
                }
                if (state[next] == 0 && visit(next)) return true;
            }
        }
        path.pop_back();
        state[node] = 2;
        return false;
    };
    for (const auto& [node, edges] : graph) {
        if (state[node] == 0 && visit(node)) return circle;
    }
    return {};
}

TEST(IncludeLayers, coreFoldersIncludeEachOtherWithoutACircle) {
    const Graph graph = IncludeGraph(fs::path(ZOFAR_SOURCE_DIR) / "src");
    ASSERT_TRUE(graph.count("store"));
    EXPECT_EQ(FindCircle(graph), "");
}

TEST(IncludeLayers, baseIncludesNothingElseOfTheSources) {
    const Graph graph = IncludeGraph(fs::path(ZOFAR_SOURCE_DIR) / "src");
    ASSERT_TRUE(graph.count("base"));
    for (const auto& [target, file] : graph.at("base")) ADD_FAILURE() << file << " includes " << target << "/";
}

TEST(IncludeLayers, theCircleFinderFindsACircle) {
    const Graph circle{{"a", {{"b", "a/x.h"}}}, {"b", {{"c", "b/y.h"}}}, {"c", {{"a", "c/z.h"}}}};
    EXPECT_EQ(FindCircle(circle), "a -> b -> c -> a (c/z.h)");
    EXPECT_EQ(FindCircle({{"a", {{"b", "a/x.h"}}}, {"b", {}}}), "");
}

}  // namespace
