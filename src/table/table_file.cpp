#include "table/table_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <filesystem>
#include <new>
#include <vector>

#include "controls/failures.h"
#include "controls/huge_pages.h"
#include "table/text_encoding.h"

namespace velmora {
namespace {

// The lines of a text: CR, LF and CR LF each end a line, and a break at the
// very end adds no line. The next CR and the next LF are remembered, so each
// memchr scans its bytes once even in files of one kind of line end.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text), nextCr_(find('\r')), nextLf_(find('\n')) {}

    bool next(std::string_view& line)
    {
        const std::size_t n = text_.size();
        if (pos_ >= n) return false;
        if (nextCr_ < pos_) nextCr_ = find('\r');
        if (nextLf_ < pos_) nextLf_ = find('\n');
        const std::size_t end = std::min(nextCr_, nextLf_);
        line = text_.substr(pos_, end - pos_);
        pos_ = end;
        if (end < n) pos_ += (text_[end] == '\r' && end + 1 < n && text_[end + 1] == '\n') ? 2 : 1;
        return true;
    }

    // Where the next line starts.
    std::size_t position() const { return pos_; }

private:
    std::size_t find(char c) const
    {
        const void* p = std::memchr(text_.data() + pos_, c, text_.size() - pos_);
        return p ? static_cast<std::size_t>(static_cast<const char*>(p) - text_.data()) : text_.size();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    // Positions before pos_ mean "look again".
    std::size_t nextCr_;
    std::size_t nextLf_;
};

// Splits one line into fields and hands each to sink(index, text). An empty
// line has none. A field starting with a double quote runs to the next single
// double quote (a doubled one stands for one) or to the end of the line;
// whatever follows its closing quote up to the separator is a field of its
// own. `scratch` holds the text of quoted fields, so no field allocates.
template <class Sink>
void splitFields(std::string_view line, char separator, std::string& scratch, Sink&& sink)
{
    const std::size_t n = line.size();
    if (n == 0) return;
    const char* const data = line.data();
    std::size_t pos = 0;
    int index = 0;
    for (;;) {
        if (pos < n && data[pos] == '"') {
            scratch.clear();
            std::size_t i = pos + 1;
            for (;;) {
                const void* q = std::memchr(data + i, '"', n - i);
                if (!q) {
                    scratch.append(data + i, n - i);
                    pos = n;
                    break;
                }
                const auto qi = static_cast<std::size_t>(static_cast<const char*>(q) - data);
                scratch.append(data + i, qi - i);
                if (qi + 1 < n && data[qi + 1] == '"') {
                    scratch.push_back('"');
                    i = qi + 2;
                    continue;
                }
                pos = qi + 1;
                break;
            }
            sink(index++, std::string_view(scratch));
            if (pos >= n) return;
            // A separator right after the closing quote ends the field; any
            // other character starts the next one.
            if (data[pos] == separator) ++pos;
        } else {
            const void* s = std::memchr(data + pos, separator, n - pos);
            const std::size_t end = s ? static_cast<std::size_t>(static_cast<const char*>(s) - data) : n;
            sink(index++, std::string_view(data + pos, end - pos));
            if (end == n) return;
            pos = end + 1;
        }
    }
}

// Bytes each column's text will need, from the first rows scaled to the
// whole file, with a margin: capacity that is never written is never
// touched, so it costs address space, not memory.
std::vector<std::size_t> estimateColumnBytes(std::string_view data, int columns, char separator)
{
    std::vector<std::size_t> sampled(static_cast<std::size_t>(columns), 0);
    LineCursor lines(data);
    std::string scratch;
    std::string_view line;
    for (int i = 0; i < 1000 && lines.next(line); ++i) {
        splitFields(line, separator, scratch, [&](int j, std::string_view field) {
            if (j < columns) sampled[j] += field.size();
        });
    }
    const std::size_t sampleBytes = lines.position();
    std::vector<std::size_t> estimate(sampled.size(), 0);
    if (sampleBytes == 0) return estimate;
    const double scale = 1.25 * static_cast<double>(data.size()) / static_cast<double>(sampleBytes);
    for (std::size_t j = 0; j < sampled.size(); ++j) {
        estimate[j] = std::min(data.size(), static_cast<std::size_t>(static_cast<double>(sampled[j]) * scale) + 16);
    }
    return estimate;
}

TableFileContent parseText(std::string_view text, const TableProgress& progress)
{
    // First pass: count the lines and find the first and the last.
    LineCursor counter(text);
    std::string_view first, last, line;
    std::size_t lineCount = 0;
    std::size_t dataStart = 0;
    while (counter.next(line)) {
        if (lineCount == 0) {
            first = line;
            dataStart = counter.position();
        }
        last = line;
        ++lineCount;
    }
    if (lineCount == 0) throwListIndex(0);
    if (lineCount - 1 > static_cast<std::size_t>(INT_MAX)) throw FileError("The file has too many lines");

    TableFileContent result;
    result.decimalSeparator = last.find(',') != std::string_view::npos ? ',' : '.';
    const char separator = first.find('\t') != std::string_view::npos ? '\t' : ';';
    const int rows = static_cast<int>(lineCount - 1);

    StringGrid& grid = result.grid;
    std::string scratch;
    splitFields(first, separator, scratch, [&](int j, std::string_view field) {
        if (j == INT_MAX) throw FileError("The file has too many columns");
        grid.addColumn(std::string(field));
    });
    const int columns = grid.columnCount();
    checkTableSize(rows, columns);
    // Every cell costs an 8-byte span whether it holds text or not. A wide
    // header over many lines (a binary file opened by mistake) could ask for
    // more than the machine has, and the system would end the program
    // instead of failing the open.
    const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0 &&
        static_cast<double>(columns) * rows * 8.0 > static_cast<double>(pages) * static_cast<double>(pageSize) / 2) {
        throw OutOfMemoryError();
    }
    grid.setRowCount(rows);

    const std::string_view data = text.substr(dataStart);
    if (columns > 0) {
        const std::vector<std::size_t> estimate = estimateColumnBytes(data, columns, separator);
        for (int j = 0; j < columns; ++j) grid.reserveText(j, estimate[j]);
    }

    LineCursor lines(data);
    for (int row = 0; row < rows; ++row) {
        lines.next(line);
        splitFields(line, separator, scratch, [&](int j, std::string_view field) {
            if (j >= columns) throwColumnIndex(j);
            if (!field.empty()) grid.setCell(j, row, field);
        });
        // Data rows 1, 101, 201 and so on.
        if (progress && row % 100 == 0) progress(row + 1, rows);
    }
    return result;
}

[[noreturn]] void throwFileError(const char* what, const std::string& path, int err)
{
    throw FileError(std::string(what) + " \"" + path + "\". " + std::strerror(err));
}

bool writeAll(int fd, std::string_view bytes)
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, std::min<std::size_t>(left, std::size_t(1) << 30));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

TableFileContent parseTableFile(std::string_view bytes, const TableProgress& progress)
{
    try {
        const DecodedText decoded = decodeFileText(bytes);
        return parseText(decoded.text(), progress);
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError();
    }
}

std::string formatTableFile(const StringGrid& grid, const TableProgress& progress)
{
    const int columns = grid.columnCount();
    if (columns == 0) throwColumnIndex(0);
    const int rows = grid.rowCount();
    try {
        // Exact size first, so the text is built in one buffer.
        const std::size_t perLine = static_cast<std::size_t>(columns - 1) + 2;
        std::size_t size = perLine * (static_cast<std::size_t>(rows) + 1);
        for (int c = 0; c < columns; ++c) {
            size += grid.header(c).size();
            for (int r = 0; r < rows; ++r) size += grid.cell(c, r).size();
        }
        std::string text;
        text.reserve(size);
        adviseHugePages(text.data(), text.capacity());
        text.resize(size);
        char* p = text.data();
        const auto put = [&p](std::string_view s) {
            std::memcpy(p, s.data(), s.size());
            p += s.size();
        };
        for (int c = 0; c < columns; ++c) {
            if (c > 0) *p++ = '\t';
            put(grid.header(c));
        }
        *p++ = '\r';
        *p++ = '\n';
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                if (c > 0) *p++ = '\t';
                put(grid.cell(c, r));
            }
            *p++ = '\r';
            *p++ = '\n';
            // Rows 0, 100, 200 and so on.
            if (progress && r % 100 == 0) progress(r, rows);
        }

        return encodeFileText(std::move(text));
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError();
    }
}

std::string encodeFileText(std::string text)
{
    try {
        if (isAscii(text)) return text;
        std::string ansi;
        // A single-byte file that starts like a byte-order mark, or whose
        // bytes happen to form UTF-8, would be read back in the wrong encoding.
        if (utf8ToWindows1252(text, ansi) && !ansi.starts_with("\xFF\xFE") && !ansi.starts_with("\xFE\xFF") &&
            !ansi.starts_with(utf8Bom) && !isUtf8(ansi)) {
            return ansi;
        }
        // Windows-1252 cannot hold some text: keep every character instead.
        ansi.clear();
        ansi.shrink_to_fit();
        std::string utf8;
        utf8.reserve(utf8Bom.size() + text.size());
        utf8.append(utf8Bom);
        utf8.append(text);
        return utf8;
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError();
    }
}

std::string formatTextLines(const std::vector<std::string>& lines)
{
    try {
        std::size_t size = 0;
        for (const std::string& line : lines) size += line.size() + 2;
        std::string text;
        text.reserve(size);
        for (const std::string& line : lines) {
            text.append(line);
            text.append("\r\n");
        }
        return encodeFileText(std::move(text));
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError();
    }
}

std::string readWholeFile(const std::string& path)
{
    // Non-blocking, so a pipe without a writer fails instead of hanging.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throwFileError("Cannot open file", path, errno);
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) throwFileError("Cannot open file", path, errno);
    if (S_ISDIR(st.st_mode)) throwFileError("Cannot open file", path, EISDIR);

    std::string bytes;
    try {
        // Regular files in one read of their size; anything else (or a file
        // that grows meanwhile) in growing steps up to its end.
        const std::size_t capacity = S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) + 1 : 65536;
        bytes.reserve(capacity);
        adviseHugePages(bytes.data(), bytes.capacity());
        bytes.resize(capacity);
        std::size_t used = 0;
        for (;;) {
            if (used == bytes.size()) bytes.resize(bytes.size() * 2);
            const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
            if (n < 0) {
                if (errno == EINTR) continue;
                throwFileError("Cannot open file", path, errno);
            }
            if (n == 0) break;
            used += static_cast<std::size_t>(n);
        }
        bytes.resize(used);
    } catch (const std::bad_alloc&) {
        throw OutOfMemoryError();
    }
    return bytes;
}

namespace {

// The file a path names: a symbolic link is followed to its target (made
// absolute against the link's directory), so saving keeps the link.
std::string followLinks(const std::string& path)
{
    namespace fs = std::filesystem;
    fs::path p(path);
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p.string();
}

// Writes over an existing file through its own inode, so that every hard
// link sees the new content; the old content, read first, is put back when
// the write fails.
void writeInPlace(const std::string& file, const std::string& shownPath, std::string_view bytes)
{
    const char* const fail = "Cannot create file";
    const std::string old = readWholeFile(file);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) throwFileError(fail, shownPath, errno);
    const auto replaceWith = [fd](std::string_view content) {
        return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, content) &&
               ::ftruncate(fd, static_cast<off_t>(content.size())) == 0 && ::fsync(fd) == 0;
    };
    if (!replaceWith(bytes)) {
        const int err = errno;
        replaceWith(old);
        ::close(fd);
        throwFileError(fail, shownPath, err);
    }
    if (::close(fd) != 0) throwFileError(fail, shownPath, errno);
}

}  // namespace

void writeWholeFile(const std::string& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    const char* const fail = "Cannot create file";
    const std::string file = followLinks(path);

    // Replacing a file the user made read-only would go around his choice.
    struct stat old {};
    const bool exists = ::stat(file.c_str(), &old) == 0;
    if (exists && ::access(file.c_str(), W_OK) != 0) throwFileError(fail, path, errno);
    // A file with other names keeps them only if its own content changes.
    if (exists && S_ISREG(old.st_mode) && old.st_nlink > 1) return writeInPlace(file, path, bytes);

    const fs::path target(file);
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string base = "." + target.filename().string() + ".";
    std::string temp;
    int fd = -1;
    // A hidden name beside the target, so the rename stays on one file system.
    const auto seed = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = (dir / (base + std::to_string(::getpid()) + "-" + std::to_string((seed + attempt * 7919) % 1000000) +
                       ".tmp"))
                   .string();
        // Mode 0666 lets the umask decide, as for any new file.
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        // A writable file in a directory that takes no new file.
        if (exists && S_ISREG(old.st_mode) && (errno == EACCES || errno == EPERM || errno == EROFS))
            return writeInPlace(file, path, bytes);
        throwFileError(fail, path, errno);
    }

    const auto abandon = [&](int err) {
        if (fd >= 0) ::close(fd);
        ::unlink(temp.c_str());
        throwFileError(fail, path, err);
    };
    if (exists && S_ISREG(old.st_mode)) ::fchmod(fd, old.st_mode & 07777);
    if (!writeAll(fd, bytes)) abandon(errno);
    // On disk before the rename, so a crash leaves the old file or the new.
    if (::fsync(fd) != 0) abandon(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) abandon(errno);
    if (::rename(temp.c_str(), file.c_str()) != 0) abandon(errno);
}

}  // namespace velmora
