#include "platform/Codec.h"

#include <iconv.h>
#include <cerrno>
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

bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    while (!cp932.empty()) {
        if (Decoder().Convert(cp932, out) == 0) break;
        out += "\xEF\xBF\xBD";
        cp932.remove_prefix(1);
    }
    return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    if (Encoder().Convert(utf8, out) != 0) return std::nullopt;
    return out;
}

} // namespace platform
