#include "platform/Codec.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace platform {

namespace {

// iconv descriptors are stateful; one per direction and thread is enough for a single-threaded UI.
class Converter {
public:
    Converter(const char* to, const char* from) : FHandle(iconv_open(to, from)) {
        if (FHandle == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert CP932");
    }
    ~Converter() { iconv_close(FHandle); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as far as possible; returns the number of input bytes left unconverted.
    std::size_t Convert(std::string_view& in, std::string& out) {
        iconv(FHandle, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(FHandle, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, sizeof buffer - outLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
        }
        in.remove_prefix(in.size() - inLeft);
        return inLeft;
    }

private:
    iconv_t FHandle;
};

Converter& Decoder() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& Encoder() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

} // namespace

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

namespace {

constexpr char32_t kEscapeBase = 0xF700;

void AppendUtf8(std::string& out, char32_t c) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

std::string Decode(std::string_view cp932, bool escape) {
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    while (!cp932.empty()) {
        if (Decoder().Convert(cp932, out) == 0) break;
        AppendUtf8(out, escape ? kEscapeBase + static_cast<unsigned char>(cp932.front()) : 0xFFFD);
        cp932.remove_prefix(1);
    }
    return out;
}

// The escaped byte of a three-byte UTF-8 sequence at the start of s, or -1.
int EscapedByte(std::string_view s) {
    if (s.size() < 3 || static_cast<unsigned char>(s[0]) != 0xEF) return -1;
    const char32_t c = ((static_cast<unsigned char>(s[0]) & 0x0F) << 12) |
                       ((static_cast<unsigned char>(s[1]) & 0x3F) << 6) |
                       (static_cast<unsigned char>(s[2]) & 0x3F);
    if (c < kEscapeBase + 0x80 || c > kEscapeBase + 0xFF) return -1;
    return static_cast<int>(c - kEscapeBase);
}

} // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    return Decode(cp932, false);
}

std::string Cp932ToUtf8Escaped(std::string_view cp932) {
    return Decode(cp932, true);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    if (Encoder().Convert(utf8, out) != 0) return std::nullopt;
    return out;
}

std::optional<std::string> Utf8ToCp932Escaped(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const int byte = EscapedByte(utf8.substr(i));
        if (byte < 0) continue;
        auto piece = Utf8ToCp932(utf8.substr(start, i - start));
        if (!piece) return std::nullopt;
        out += *piece;
        out += static_cast<char>(byte);
        i += 2;
        start = i + 1;
    }
    auto rest = Utf8ToCp932(utf8.substr(start));
    if (!rest) return std::nullopt;
    return out + *rest;
}

} // namespace platform
