#include "core/cp932.h"

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

namespace xantu {

namespace {

// One conversion with glibc iconv; no value on any invalid or unconvertible
// input. No //TRANSLIT or //IGNORE: a character that has no form in the
// target is an error, never a silent substitute.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out(in.size() * 3 + 16, '\0');
    // iconv takes a non-const input pointer but never writes through it.
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    std::size_t used = 0;
    bool ok = true;
    bool flushed = false;
    while (ok && !flushed) {
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        // Once the input is used up, one call with no input ends any shift state.
        const bool flushing = inLeft == 0;
        const std::size_t r =
            flushing ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft) : iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                out.resize(out.size() * 2);
            else
                ok = false;  // EILSEQ (invalid or unconvertible) or EINVAL (cut off)
        } else if (r != 0) {
            ok = false;  // a character was replaced by a look-alike: not the user's text
        } else {
            flushed = flushing;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    out.resize(used);
    return out;
}

}  // namespace

std::optional<std::string> utf8ToCp932(std::string_view utf8) { return convert("CP932", "UTF-8", utf8); }

std::optional<std::string> cp932ToUtf8(std::string_view cp932) { return convert("UTF-8", "CP932", cp932); }

bool canEncodeCp932(std::string_view utf8) { return utf8ToCp932(utf8).has_value(); }

std::size_t utf8Length(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = next;
    }
    return lines;
}

FileReadResult readWholeFile(const std::filesystem::path& file, std::uintmax_t maxBytes) {
    namespace fs = std::filesystem;
    FileReadResult result;
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    if (st.type() == fs::file_type::not_found) {
        result.status = FileReadStatus::NotFound;
        return result;
    }
    // Only a regular file: a folder cannot be read and a pipe could block forever.
    if (ec || st.type() != fs::file_type::regular) return result;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) return result;
    if (size > maxBytes) {
        result.status = FileReadStatus::TooLarge;
        return result;
    }
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (f == nullptr) {
        result.status = errno == ENOENT ? FileReadStatus::NotFound : FileReadStatus::CannotRead;
        return result;
    }
    std::string bytes;
    char buffer[65536];
    bool tooLarge = false;
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, f);
        bytes.append(buffer, n);
        if (bytes.size() > maxBytes) {  // the file grew while being read
            tooLarge = true;
            break;
        }
        if (n < sizeof buffer) break;
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (tooLarge) {
        result.status = FileReadStatus::TooLarge;
    } else if (!failed) {
        result.status = FileReadStatus::Ok;
        result.bytes = std::move(bytes);
    }
    return result;
}

bool writeWholeFile(const std::filesystem::path& file, std::string_view bytes) {
    return !replaceWholeFile(file, bytes);
}

std::error_code replaceWholeFile(const std::filesystem::path& file, std::string_view bytes,
                                 const std::filesystem::path& previous) {
    namespace fs = std::filesystem;
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    auto lastError = [] { return std::error_code(errno, std::generic_category()); };
    // A hidden, unique name beside the target, so that the final rename
    // stays within one file system and cannot clobber another file.
    std::random_device seed;
    std::mt19937_64 rng(seed());
    auto tempName = [&] {
        return folder / ("." + file.filename().string() + "." + std::to_string(rng() % 1000000000ULL) + ".tmp");
    };
    std::FILE* f = nullptr;
    fs::path temp;
    for (int attempt = 0; attempt < 16 && f == nullptr; ++attempt) {
        temp = tempName();
        f = std::fopen(temp.c_str(), "wbx");  // exclusive: never reuse an existing file
        if (f == nullptr && errno != EEXIST) return lastError();
    }
    if (f == nullptr) return std::make_error_code(std::errc::file_exists);
    std::error_code why;
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fflush(f) != 0) why = lastError();
    // On the disk before it replaces the old file: a crash then leaves the
    // old file or the new one, never an empty one.
    if (!why && ::fsync(::fileno(f)) != 0) why = lastError();
    if (std::fclose(f) != 0 && !why) why = lastError();
    // The file about to be replaced stays as `previous`: a second name for
    // it, put in place in one step. Without it the write still goes on.
    if (!why && !previous.empty()) {
        std::error_code ec;
        const fs::path link = tempName();
        fs::create_hard_link(file, link, ec);
        if (!ec) fs::rename(link, previous, ec);
        // Gone after a rename, except where `previous` already was `file`
        // (a write cut short between its two steps): rename then does
        // nothing and the second name would stay behind.
        fs::remove(link, ec);
    }
    if (!why) fs::rename(temp, file, why);
    if (!why) {  // the rename itself
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    if (why) {
        std::error_code ignored;
        fs::remove(temp, ignored);
    }
    return why;
}

void removeLeftOverTemporaries(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const std::string prefix = "." + file.filename().string() + ".";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > prefix.size() + 4 && name.compare(0, prefix.size(), prefix) == 0 &&
            name.compare(name.size() - 4, 4, ".tmp") == 0) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

}  // namespace xantu
