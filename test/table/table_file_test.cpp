#include "table/table_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "controls/failures.h"
#include "table/numbers.h"

namespace velmora {
namespace {

using namespace std::string_literals;
using Rows = std::vector<std::vector<std::string>>;

struct Table {
    std::vector<std::string> headers;
    Rows rows;
    char decimal = '.';
    bool operator==(const Table&) const = default;
};

Table tableOf(const TableFileContent& content)
{
    Table t;
    t.decimal = content.decimalSeparator;
    const StringGrid& g = content.grid;
    for (int c = 0; c < g.columnCount(); ++c) t.headers.push_back(g.header(c));
    for (int r = 0; r < g.rowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < g.columnCount(); ++c) row.push_back(g.cellText(c, r));
        t.rows.push_back(row);
    }
    return t;
}

void PrintTo(const Table& t, std::ostream* os)
{
    *os << "headers[";
    for (const auto& h : t.headers) *os << '"' << h << "\" ";
    *os << "] rows[";
    for (const auto& row : t.rows) {
        *os << "(";
        for (const auto& cell : row) *os << '"' << cell << "\" ";
        *os << ")";
    }
    *os << "] decimal '" << t.decimal << "'";
}

Table parsed(std::string_view bytes) { return tableOf(parseTableFile(bytes)); }

StringGrid gridOf(const std::vector<std::string>& headers, const Rows& rows)
{
    StringGrid g;
    for (const auto& h : headers) g.addColumn(h);
    g.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) g.setCell(static_cast<int>(c), static_cast<int>(r), rows[r][c]);
    }
    return g;
}

// UTF-16 bytes with their byte-order mark.
std::string utf16(std::u16string_view text, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t u : text) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    Table expected;
};

TEST(ParseTableFile, SplitsLinesAndFields)
{
    const ReadCase cases[] = {
        {"semicolons and decimal comma", "A;B\r\n1,5;2\r\n", {{"A", "B"}, {{"1,5", "2"}}, ','}},
        {"tabs, no comma in the last line", "A\tB\r\n1,5\t2\r\n3\t4\r\n", {{"A", "B"}, {{"1,5", "2"}, {"3", "4"}}, '.'}},
        {"comma anywhere in the last line", "A\tB\r\nx,y\tz", {{"A", "B"}, {{"x,y", "z"}}, ','}},
        {"header alone", "A\tB\r\n", {{"A", "B"}, {}, '.'}},
        {"header alone, no line break", "A", {{"A"}, {}, '.'}},
        {"short line leaves cells empty", "A\tB\r\n7\r\n", {{"A", "B"}, {{"7", ""}}, '.'}},
        {"trailing separator adds an empty field", "A\tB\r\n1\t\r\n", {{"A", "B"}, {{"1", ""}}, '.'}},
        {"blanks belong to the field", "A;B\r\n 1 ; 2 \r\n", {{"A", "B"}, {{" 1 ", " 2 "}}, '.'}},
        {"empty header fields", "\tB\t\r\n", {{"", "B", ""}, {}, '.'}},
        {"empty line inside is an empty row", "A\tB\r\n\r\n1\t2\r\n", {{"A", "B"}, {{"", ""}, {"1", "2"}}, '.'}},
        {"two final line breaks: empty last row, decimal point", "A\tB\r\n1,5\t2\r\n\r\n",
         {{"A", "B"}, {{"1,5", "2"}, {"", ""}}, '.'}},
        {"a lone line break is one empty line", "\r\n", {{}, {}, '.'}},
        {"CR line ends", "A\tB\r1\t2\r3\t4", {{"A", "B"}, {{"1", "2"}, {"3", "4"}}, '.'}},
        {"LF and mixed line ends", "A\tB\n1\t2\r\n3\t4\r5\t6\n", {{"A", "B"}, {{"1", "2"}, {"3", "4"}, {"5", "6"}}, '.'}},
        {"LF then CR are two breaks", "A\n\r1", {{"A"}, {{""}, {"1"}}, '.'}},
        {"tab in a semicolon file is text", "A;B\r\n1\t2;3\r\n", {{"A", "B"}, {{"1\t2", "3"}}, '.'}},
        {"doubled quote inside a quoted field", "A\tB\r\n\"x\"\"y\"\tz\r\n", {{"A", "B"}, {{"x\"y", "z"}}, '.'}},
        {"text after the closing quote is a field", "A\tB\r\n\"ab\"c\r\n", {{"A", "B"}, {{"ab", "c"}}, '.'}},
        {"separator inside quotes", "A;B\r\n\"a;b\";c\r\n", {{"A", "B"}, {{"a;b", "c"}}, '.'}},
        {"unclosed quote runs to the end of the line", "A;B\r\n\"a;b\r\nc;d", {{"A", "B"}, {{"a;b", ""}, {"c", "d"}}, '.'}},
        {"quoted field then final separator", "A;B\r\n\"x\";\r\n", {{"A", "B"}, {{"x", ""}}, '.'}},
        {"quote not at the start is text", "A;B\r\nx\"y;\"\"\r\n", {{"A", "B"}, {{"x\"y", ""}}, '.'}},
        {"quoted headers", "\"A B\"\t\"C\"\r\n", {{"A B", "C"}, {}, '.'}},
        {"NUL keeps the text after it", "A;B\r\nx\0y;z\r\n"s, {{"A", "B"}, {{"x\0y"s, "z"}}, '.'}},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(parsed(c.bytes), c.expected) << c.name;
    }
}

TEST(ParseTableFile, Encodings)
{
    const ReadCase cases[] = {
        {"UTF-8 with mark", "\xEF\xBB\xBF" "Citt\xC3\xA0\tB\r\n1,5\t\xE5\x8C\x97\r\n",
         {{"Citt\xC3\xA0", "B"}, {{"1,5", "\xE5\x8C\x97"}}, ','}},
        {"UTF-16 LE", utf16(u"A\tB\r\n1,5\t\u20AC\U0001F600", false),
         {{"A", "B"}, {{"1,5", "\xE2\x82\xAC\xF0\x9F\x98\x80"}}, ','}},
        {"UTF-16 BE", utf16(u"A\tB\r\n1,5\t\u20AC\U0001F600", true),
         {{"A", "B"}, {{"1,5", "\xE2\x82\xAC\xF0\x9F\x98\x80"}}, ','}},
        {"Windows-1252", "\x80;\xE0\r\n\x9F\xFF;\x81\x8D\x8F\x90\x9D\r\n",
         {{"\xE2\x82\xAC", "\xC3\xA0"}, {{"\xC5\xB8\xC3\xBF", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"}}, '.'}},
        {"only the leading mark is dropped", "\xEF\xBB\xBF\xEF\xBB\xBF" "A", {{"\xEF\xBB\xBF" "A"}, {}, '.'}},
        {"UTF-8 without mark", "Citt\xC3\xA0\t\xE2\x82\xAC\r\n1,5\t\xE5\x8C\x97\r\n",
         {{"Citt\xC3\xA0", "\xE2\x82\xAC"}, {{"1,5", "\xE5\x8C\x97"}}, ','}},
        // One byte that cannot be UTF-8 makes the whole file the code page.
        {"UTF-8 letters beside a code-page byte", "\xC3\xA0;\xE0\r\n", {{"\xC3\x83\xC2\xA0", "\xC3\xA0"}, {}, '.'}},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(parsed(c.bytes), c.expected) << c.name;
    }
}

struct FailCase {
    const char* name;
    std::string bytes;
    std::string message;
};

TEST(ParseTableFile, Failures)
{
    const FailCase indexCases[] = {
        {"no line at all", "", "List index out of bounds (0)"},
        {"a mark and nothing else", "\xEF\xBB\xBF", "List index out of bounds (0)"},
        {"two tabs under two columns", "A\tB\r\n1\t2\r\n\t\t\r\n", "Column index, 2, out of bounds"},
        {"three fields under two columns", "A\tB\r\n1\t2\t3", "Column index, 2, out of bounds"},
        {"one-column header splits on semicolons", "A\r\n1;2\r\n", "Column index, 1, out of bounds"},
        {"empty header line", "\r\n1\r\n", "Column index, 0, out of bounds"},
        {"text after a closing quote counts", "A;B\r\n\"x\"y;z\r\n", "Column index, 2, out of bounds"},
    };
    for (const FailCase& c : indexCases) {
        try {
            parseTableFile(c.bytes);
            ADD_FAILURE() << c.name << ": no failure";
        } catch (const IndexError& e) {
            EXPECT_EQ(e.what(), c.message) << c.name;
        }
    }
    const FailCase decodeCases[] = {
        {"UTF-16 odd byte count", "\xFF\xFE" "A\0B"s, "Invalid UTF-16 text: the file has an odd number of bytes (5)"},
        {"UTF-16 high surrogate at the end", "\xFF\xFE" "A\0\x3D\xD8"s, "Invalid UTF-16 text: unpaired surrogate at byte 4"},
        {"UTF-16 high surrogate without low", "\xFF\xFE\x3D\xD8" "A\0"s, "Invalid UTF-16 text: unpaired surrogate at byte 2"},
        {"UTF-16 lone low surrogate", "\xFE\xFF\0A\xDC\0"s, "Invalid UTF-16 text: unpaired surrogate at byte 4"},
        {"UTF-8 stray byte", "\xEF\xBB\xBF" "A\xFF", "Invalid UTF-8 text at byte 4"},
        {"UTF-8 overlong form", "\xEF\xBB\xBF\xC0\xAF", "Invalid UTF-8 text at byte 3"},
        {"UTF-8 cut sequence", "\xEF\xBB\xBF" "A\xE2\x82", "Invalid UTF-8 text at byte 4"},
    };
    for (const FailCase& c : decodeCases) {
        try {
            parseTableFile(c.bytes);
            ADD_FAILURE() << c.name << ": no failure";
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), c.message) << c.name;
        }
    }
}

TEST(ParseTableFile, ProgressAtRowsOneHundredOneAndSoOn)
{
    std::string bytes = "A\r\n";
    for (int i = 0; i < 250; ++i) bytes += "1\r\n";
    std::vector<std::pair<int, int>> calls;
    parseTableFile(bytes, [&](int done, int total) { calls.emplace_back(done, total); });
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{1, 250}, {101, 250}, {201, 250}}));
}

TEST(FormatTableFile, ExactBytes)
{
    struct Case {
        const char* name;
        StringGrid grid;
        std::string bytes;
    };
    const Case cases[] = {
        {"tabs and CR LF, texts as they stand", gridOf({"A", "B"}, {{"1,5", " 2"}, {"", "\"x"}}),
         "A\tB\r\n1,5\t 2\r\n\t\"x\r\n"},
        {"no rows: the header line alone", gridOf({"A", "B"}, {}), "A\tB\r\n"},
        {"Windows-1252", gridOf({"\xE2\x82\xAC"}, {{"\xC3\xA0"}, {"\xC2\x81\xC2\x9D"}}), "\x80\r\n\xE0\r\n\x81\x9D\r\n"},
        {"UTF-8 with mark for text outside Windows-1252", gridOf({"Citt\xC3\xA0"}, {{"\xE5\x8C\x97\xE4\xBA\xAC"}}),
         "\xEF\xBB\xBF" "Citt\xC3\xA0\r\n\xE5\x8C\x97\xE4\xBA\xAC\r\n"},
        {"U+0080 has no Windows-1252 byte", gridOf({"A"}, {{"\xC2\x80"}}), "\xEF\xBB\xBF" "A\r\n\xC2\x80\r\n"},
        {"a start that reads as a UTF-16 mark goes UTF-8", gridOf({"\xC3\xBF\xC3\xBE"}, {}),
         "\xEF\xBB\xBF\xC3\xBF\xC3\xBE\r\n"},
        {"a start that reads as a UTF-8 mark goes UTF-8", gridOf({"\xC3\xAF\xC2\xBB\xC2\xBF" "A"}, {}),
         "\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBF" "A\r\n"},
        {"code-page bytes that read as UTF-8 go UTF-8", gridOf({"\xC3\x83\xC2\xA9"}, {}),
         "\xEF\xBB\xBF\xC3\x83\xC2\xA9\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatTableFile(c.grid), c.bytes) << c.name;
    }
}

TEST(FormatTableFile, GridWithoutColumnsFails)
{
    StringGrid empty;
    empty.setRowCount(3);
    try {
        formatTableFile(empty);
        FAIL() << "no failure";
    } catch (const IndexError& e) {
        EXPECT_STREQ(e.what(), "Column index, 0, out of bounds");
    }
}

TEST(FormatTableFile, ProgressAtRowsZeroOneHundredAndSoOn)
{
    StringGrid g = gridOf({"A"}, {});
    g.setRowCount(250);
    std::vector<std::pair<int, int>> calls;
    formatTableFile(g, [&](int done, int total) { calls.emplace_back(done, total); });
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 250}, {100, 250}, {200, 250}}));
}

TEST(TableFile, FormatThenParseGivesTheTableBack)
{
    const std::vector<Table> tables = {
        {{"Giorno", "Temperatura", "Nota"},
         {{"1", "12,5", "\xC3\xA0 \xE2\x82\xAC"}, {"2", "", "a\"b"}, {"3", "-0,25", "x;y"}},
         ','},
        {{"X", "Y"}, {{"1.5", "2"}, {"", ""}, {"3", "4"}}, '.'},
        {{"Nome", "Citt\xC3\xA0"}, {{"Li", "\xE5\x8C\x97\xE4\xBA\xAC"}}, '.'},
    };
    for (const Table& t : tables) {
        EXPECT_EQ(parsed(formatTableFile(gridOf(t.headers, t.rows))), t);
    }
}

TEST(TableFile, OneColumnTableReadsBackWithSemicolons)
{
    // Its header line has no tab, so the reader splits at semicolons.
    EXPECT_EQ(parsed(formatTableFile(gridOf({"x;y"}, {{"1;2"}}))), (Table{{"x", "y"}, {{"1", "2"}}, '.'}));
    EXPECT_THROW(parseTableFile(formatTableFile(gridOf({"A"}, {{"1;2"}}))), IndexError);
}

class TableFileIo : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::path(::testing::TempDir()) /
               ("velmora_table_file_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir_, ec);
    }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static void put(const std::string& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

    std::filesystem::path dir_;
};

TEST_F(TableFileIo, SaveAndOpenRoundTrip)
{
    const Table t{{"A", "B"}, {{"1,5", "\xC3\xA0"}, {"", "\xE2\x82\xAC"}}, '.'};
    const std::string file = path("t.txt");
    writeWholeFile(file, formatTableFile(gridOf(t.headers, t.rows)));
    EXPECT_EQ(readWholeFile(file), "A\tB\r\n1,5\t\xE0\r\n\t\x80\r\n");
    EXPECT_EQ(parsed(readWholeFile(file)), t);
    EXPECT_EQ(entries(), std::vector<std::string>{"t.txt"});
}

TEST_F(TableFileIo, SaveReplacesAndKeepsPermissions)
{
    const std::string file = path("t.txt");
    put(file, "old and longer content");
    ::chmod(file.c_str(), 0640);
    writeWholeFile(file, "new"s + '\0' + "x");
    EXPECT_EQ(readWholeFile(file), "new"s + '\0' + "x");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(entries(), std::vector<std::string>{"t.txt"});
}

TEST_F(TableFileIo, FailedWriteKeepsTheOldFile)
{
    const std::string file = path("t.txt");
    put(file, "old");
    // A file size limit makes the write itself fail after the temporary file
    // exists, which works whoever runs the test.
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        writeWholeFile(file, std::string(1000, 'x'));
    } catch (const FileError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(message, "Cannot create file \"" + file + "\". File too large");
    EXPECT_EQ(readWholeFile(file), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"t.txt"});
}

TEST_F(TableFileIo, SaveKeepsLinks)
{
    // A symbolic link stays a link; its target gets the new content.
    const std::string target = path("target.txt"), link = path("link.txt");
    put(target, "old");
    std::filesystem::create_symlink("target.txt", link);
    writeWholeFile(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readWholeFile(target), "new");

    // Both names of a file with two hard links show the new content, and
    // the file keeps its mode.
    const std::string first = path("first.txt"), second = path("second.txt");
    put(first, "old and longer content");
    ::chmod(first.c_str(), 0640);
    std::filesystem::create_hard_link(first, second);
    writeWholeFile(first, "new");
    EXPECT_EQ(readWholeFile(second), "new");
    struct stat st {};
    ASSERT_EQ(::stat(second.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_nlink, 2u);
    EXPECT_EQ(entries(), (std::vector<std::string>{"first.txt", "link.txt", "second.txt", "target.txt"}));
}

TEST_F(TableFileIo, FailedWriteThroughAHardLinkPutsTheOldContentBack)
{
    const std::string first = path("first.txt"), second = path("second.txt");
    put(first, "old");
    std::filesystem::create_hard_link(first, second);
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        writeWholeFile(second, std::string(1000, 'x'));
    } catch (const FileError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(message, "Cannot create file \"" + second + "\". File too large");
    EXPECT_EQ(readWholeFile(first), "old");
    EXPECT_EQ(entries(), (std::vector<std::string>{"first.txt", "second.txt"}));
}

TEST_F(TableFileIo, SaveIntoUnwritableDirectoryWritesTheFileInPlace)
{
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any directory";
    const std::string file = path("t.txt");
    put(file, "old");
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    writeWholeFile(file, "new");
    EXPECT_EQ(readWholeFile(file), "new");
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
}

TEST_F(TableFileIo, SaveFailures)
{
    std::filesystem::create_directories(dir_ / "d" / "inside");
    const struct {
        std::string target;
        std::string reason;
    } cases[] = {
        {path("missing/t.txt"), "No such file or directory"},
        {path("d"), "Is a directory"},
    };
    for (const auto& c : cases) {
        try {
            writeWholeFile(c.target, "new");
            ADD_FAILURE() << c.target << ": no failure";
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), "Cannot create file \"" + c.target + "\". " + c.reason);
        }
    }
    EXPECT_EQ(entries(), std::vector<std::string>{"d"});
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "d" / "inside"));
}

TEST_F(TableFileIo, OpenFailures)
{
    const struct {
        std::string target;
        std::string reason;
    } cases[] = {
        {path("missing.txt"), "No such file or directory"},
        {dir_.string(), "Is a directory"},
    };
    for (const auto& c : cases) {
        try {
            readWholeFile(c.target);
            ADD_FAILURE() << c.target << ": no failure";
        } catch (const FileError& e) {
            EXPECT_EQ(e.what(), "Cannot open file \"" + c.target + "\". " + c.reason);
        }
    }
}

TEST(Examples, OpenWithNumericCells)
{
    const std::filesystem::path dir = std::filesystem::path(VELMORA_SOURCE_DIR) / "examples";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".txt") continue;
        ++files;
        const std::string name = entry.path().filename().string();
        const std::string bytes = readWholeFile(entry.path().string());
        // As the program writes them: CR LF after every line, no lone CR or LF.
        std::size_t breaks = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\r') {
                EXPECT_EQ(bytes.substr(i, 2), "\r\n") << name << " byte " << i;
            }
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " byte " << i;
                ++breaks;
            }
        }
        EXPECT_TRUE(bytes.ends_with("\r\n")) << name;
        const TableFileContent content = parseTableFile(bytes);
        const StringGrid& g = content.grid;
        EXPECT_GE(g.columnCount(), 2) << name;
        EXPECT_GE(g.rowCount(), 10) << name;
        EXPECT_EQ(breaks, static_cast<std::size_t>(g.rowCount()) + 1) << name;
        for (int c = 0; c < g.columnCount(); ++c) {
            for (int r = 0; r < g.rowCount(); ++r) {
                EXPECT_TRUE(tryParseFloat(g.cell(c, r), content.decimalSeparator))
                    << name << " column " << c << " row " << r << ": " << g.cellText(c, r);
            }
        }
        if (name == "decimali_virgola.txt") {
            EXPECT_EQ(content.decimalSeparator, ',');
        }
    }
    EXPECT_GE(files, 3);
}

}  // namespace
}  // namespace velmora
