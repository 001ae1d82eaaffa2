// vandrelle-art: what each command writes, and how it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "tools/vandrelle-art/cli.hpp"

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result run(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = vandrelle::cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(Cli, ListsInTheListsOrderOrTheCatalogues) {
    const auto listed = run({"list"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out.substr(0, 17), "ABC\nAdidas\nAlvin\n");
    EXPECT_NE(listed.out.find("ExclamationMark\nfucking\nGarfield\n"), std::string::npos);
    EXPECT_NE(listed.out.find("Shark\nshroom\nShutUp\n"), std::string::npos);
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 45);

    const auto all = run({"list", "--all"});
    EXPECT_EQ(all.out.substr(0, 26), "MiddleFinger1\nPooh\nshroom\n");
    EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 100);
}

TEST(Cli, MacroWritesWhatThePreviewWouldGetInEitherEncoding) {
    const auto utf8 = run({"macro", "LOL1"});
    EXPECT_EQ(utf8.status, 0);
    EXPECT_EQ(utf8.out.substr(0, 9), "    \xC2\xA0/);");
    EXPECT_EQ(utf8.out.substr(utf8.out.size() - 4), " /\r\n");

    const auto cp1252 = run({"macro", "--cp1252", "WantToChat"});
    EXPECT_EQ(cp1252.status, 0);
    EXPECT_EQ(cp1252.out.size(), 229u + 2 * 11) << "one byte a character, CR LF after every line";
    EXPECT_NE(cp1252.out.find("d \xF4\xF4 b\r\n"), std::string::npos);
    EXPECT_NE(cp1252.out.find("    \xA6     WANT    \xA6\r\n"), std::string::npos);
}

TEST(Cli, RefusesWithStatusTwoAndNothingOnStandardOutput) {
    const std::vector<std::vector<std::string>> wrong = {
        {"macro", "lol1"},          // names are case-sensitive
        {"macro", "Select A Macro"},
        {"macro"},
        {"spiral", "", "3"},
        {"spiral", "abc", "0"},
        {"spiral", "abc", "10001"},
        {"spiral", "abc", "Lines"},
        {"spiral", "\xC4\x81", "1", "--cp1252"},  // a character Windows-1252 has no code for
        {"paint"},
        {"list", "--sideways"},
        {},
    };
    for (const auto& args : wrong) {
        const auto result = run(args);
        EXPECT_EQ(result.status, 2) << (args.empty() ? "(nothing)" : args[0]);
        EXPECT_TRUE(result.out.empty());
        EXPECT_FALSE(result.err.empty());
    }
}

TEST(Cli, ANearMissIsRefusedWithTheClosestNames) {
    const struct {
        const char* typed;
        const char* suggestion;  // nullptr: nothing is close enough to name
    } cases[] = {
        {"budweiser", "did you mean Budweiser?"},  // a case slip
        {"Budwieser", "did you mean Budweiser?"},  // two letters swapped
        {"Budwiser", "did you mean Budweiser?"},   // a letter left out
        {"elmer", "did you mean Elmer?"},          // a case slip beats Elmer2, one letter away
        {"gun", "did you mean Gun1, Gun2 or Gun3?"},
        {"SKULL2", "did you mean Skull2?"},
        {"Zebra", nullptr},
        {"Budweiser Budweiser", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const auto result = run({"macro", c.typed});
        EXPECT_EQ(result.status, 2) << c.typed;
        EXPECT_TRUE(result.out.empty()) << c.typed;
        if (c.suggestion) {
            EXPECT_NE(result.err.find(c.suggestion), std::string::npos) << result.err;
        } else {
            EXPECT_EQ(result.err.find("did you mean"), std::string::npos) << result.err;
        }
    }
}

TEST(Cli, SpiralAndVersion) {
    EXPECT_EQ(run({"spiral", "abc", "3"}).out, "abc\r\ncab\r\nbca\r\n");
    EXPECT_EQ(run({"spiral", "h\xC3\xA9", "2", "--cp1252"}).out, "h\xE9\r\n\xE9h\r\n");
    const auto version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vandrelle-art " VANDRELLE_VERSION "\n");
}

TEST(Cli, CheckJudgesAPictureFileAgainstItsRow) {
    // The file names pick the rows; a folder of this run's own keeps parallel runs apart.
    const auto folder = std::filesystem::temp_directory_path() / ("vandrelle-cli-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const std::string good = (folder / "ABC.txt").string();
    const std::string bad = (folder / "Bong.txt").string();
    {
        std::ifstream source(VANDRELLE_SOURCE_DIR "/macros/pictures/ABC.txt", std::ios::binary);
        std::ofstream(good, std::ios::binary) << source.rdbuf();
        std::ofstream(bad, std::ios::binary) << "ab\ncd\n";
    }
    const std::string table = VANDRELLE_TEST_DATA_DIR "/pictures.tsv";
    const auto ok = run({"check", good, "--table", table});
    EXPECT_EQ(ok.status, 0) << ok.out;
    const auto broken = run({"check", bad, "--table", table});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.out.find("lines: 2, should be 9"), std::string::npos) << broken.out;
    std::filesystem::remove_all(folder);
}

}  // namespace
