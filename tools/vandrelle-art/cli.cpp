#include "tools/vandrelle-art/cli.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/memory_preview.hpp"
#include "app/spiral.hpp"
#include "app/text_codec.hpp"
#include "macros/catalogue.hpp"
#include "macros/picture_rules.hpp"
#include "macros/pictures.hpp"
#include "tools/vandrelle-art/closest_names.hpp"

#ifndef VANDRELLE_VERSION
#error "the build passes the project's version as VANDRELLE_VERSION"
#endif

#ifndef VANDRELLE_PICTURE_TABLE
#define VANDRELLE_PICTURE_TABLE "tests/data/pictures.tsv"
#endif

namespace vandrelle::cli {
namespace {

using namespace vandrelle::app;

constexpr char kHelp[] =
    "vandrelle-art: Vandrelle's profile art on the command line\n"
    "\n"
    "usage:\n"
    "  vandrelle-art list [--all]             the macro names of the list, in its order;\n"
    "                                         --all: the whole catalogue in catalogue order\n"
    "  vandrelle-art macro NAME [--cp1252]    the picture NAME, exactly as \"Add To Preview\"\n"
    "                                         adds it (each line ends in CR LF); NAME matches\n"
    "                                         exactly, case-sensitively (a near miss is\n"
    "                                         refused with the closest names)\n"
    "  vandrelle-art spiral TEXT COUNT [--cp1252]\n"
    "                                         the spiral block of TEXT over COUNT lines (1-10000)\n"
    "  vandrelle-art check FILE... [--table TSV]\n"
    "                                         checks picture files (UTF-8, one line per line,\n"
    "                                         named after their art body) against the rules and\n"
    "                                         their row of the picture table\n"
    "  vandrelle-art --help                   this text\n"
    "  vandrelle-art --version                the version\n"
    "\n"
    "Art is written as UTF-8, or as Windows-1252 bytes with --cp1252.\n"
    "Exit status: 0 done, 1 a checked picture breaks a rule, 2 wrong use.\n";

struct Arguments {
    std::vector<std::string> words;  // everything that is no option
    bool all = false;
    bool cp1252 = false;
    std::string table = VANDRELLE_PICTURE_TABLE;
    std::string unknown_option;
};

Arguments parse(const std::vector<std::string>& args) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--all") parsed.all = true;
        else if (arg == "--cp1252") parsed.cp1252 = true;
        else if (arg == "--table" && i + 1 < args.size()) parsed.table = args[++i];
        else if (arg.size() > 2 && arg.rfind("--", 0) == 0) parsed.unknown_option = arg;
        else parsed.words.push_back(arg);
    }
    return parsed;
}

int usage_error(std::ostream& err, const std::string& message) {
    err << "vandrelle-art: " << message << "\nTry 'vandrelle-art --help'.\n";
    return kUsage;
}

int write_art(std::u16string_view art, bool cp1252, std::ostream& out, std::ostream& err) {
    if (!cp1252) {
        out << utf16_to_utf8(art);
        return kOk;
    }
    const auto bytes = utf16_to_cp1252(art);
    if (!bytes) return usage_error(err, "the text has a character that Windows-1252 cannot hold");
    out << *bytes;
    return kOk;
}

int list(const Arguments& a, std::ostream& out) {
    if (a.all) {
        for (const auto& entry : vandrelle::macros::catalogue()) out << utf16_to_utf8(entry.name) << '\n';
    } else {
        // The list shows its names sorted without regard to case, as the window's list does.
        auto names = vandrelle::macros::listed_names_in_fill_order();
        std::stable_sort(names.begin(), names.end(), [](std::u16string_view x, std::u16string_view y) {
            return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char16_t p, char16_t q) {
                auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
                return lower(p) < lower(q);
            });
        });
        for (auto name : names) out << utf16_to_utf8(name) << '\n';
    }
    return kOk;
}


int macro(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.words.size() != 2) return usage_error(err, "macro takes one NAME");
    const auto* entry = vandrelle::macros::find_entry(utf8_to_utf16(a.words[1]));
    if (entry == nullptr) {
        std::vector<std::string> names;
        for (const auto& known : vandrelle::macros::catalogue()) names.push_back(utf16_to_utf8(known.name));
        const auto closest = closest_names(a.words[1], names);
        err << "vandrelle-art: no macro is named '" << a.words[1] << "'";
        if (!closest.empty()) err << "; did you mean " << either_of(closest) << "?";
        err << " (names match exactly and case-sensitively; 'vandrelle-art list --all' lists them)\n";
        return kUsage;
    }
    app::MemoryPreview preview;
    entry->art_body(preview);
    return write_art(preview.text, a.cp1252, out, err);
}

int spiral(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.words.size() != 3) return usage_error(err, "spiral takes TEXT and COUNT");
    const std::u16string text = utf8_to_utf16(a.words[1]);
    const SpiralPlan plan = plan_spiral(text, utf8_to_utf16(a.words[2]), 0);
    switch (plan.refusal) {
        case SpiralRefusal::EmptyText: return usage_error(err, "the spiral TEXT must not be empty");
        case SpiralRefusal::NoCount: return usage_error(err, "COUNT must be a whole number from 1 to 10000");
        case SpiralRefusal::PreviewFull: return usage_error(err, "that spiral is larger than the preview can hold");
        case SpiralRefusal::None: break;
    }
    return write_art(make_spiral_block(text, plan.count), a.cp1252, out, err);
}

int check(const Arguments& a, std::ostream& out, std::ostream& err) {
    if (a.words.size() < 2) return usage_error(err, "check takes one or more picture FILEs");
    std::ifstream table_file(a.table, std::ios::binary);
    if (!table_file) return usage_error(err, "cannot read the picture table " + a.table + " (use --table)");
    std::stringstream table_text;
    table_text << table_file.rdbuf();
    const auto rows = vandrelle::macros::parse_picture_table(table_text.str());
    int status = kOk;
    for (std::size_t i = 1; i < a.words.size(); ++i) {
        const std::string& path = a.words[i];
        std::ifstream file(path, std::ios::binary);
        if (!file) return usage_error(err, "cannot read " + path);
        std::stringstream bytes;
        bytes << file.rdbuf();
        const std::string stem = std::filesystem::path(path).stem().string();
        const auto lines = vandrelle::macros::picture_lines_from_utf8(bytes.str());
        auto problems = vandrelle::macros::general_problems(lines);
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.art_body == "art_" + stem; });
        if (row != rows.end()) {
            const auto more = vandrelle::macros::row_problems(lines, *row);
            problems.insert(problems.end(), more.begin(), more.end());
        } else {
            out << path << ": no row of the table has art_" << stem << "; checked against the general rules only\n";
        }
        if (problems.empty()) {
            out << path << ": OK\n";
        } else {
            status = kCheckFailed;
            out << path << ":\n";
            for (const auto& problem : problems) out << "  " << problem << '\n';
        }
    }
    return status;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments a = parse(args);
    if (std::find(args.begin(), args.end(), "--help") != args.end() || std::find(args.begin(), args.end(), "-h") != args.end()) {
        out << kHelp;
        return kOk;
    }
    if (std::find(args.begin(), args.end(), "--version") != args.end()) {
        out << "vandrelle-art " VANDRELLE_VERSION "\n";
        return kOk;
    }
    if (!a.unknown_option.empty()) return usage_error(err, "unknown option " + a.unknown_option);
    if (a.words.empty()) return usage_error(err, "say what to do: list, macro, spiral or check");
    const std::string& command = a.words[0];
    if (command == "list") return list(a, out);
    if (command == "macro") return macro(a, out, err);
    if (command == "spiral") return spiral(a, out, err);
    if (command == "check") return check(a, out, err);
    return usage_error(err, "unknown command '" + command + "'");
}

}  // namespace vandrelle::cli
