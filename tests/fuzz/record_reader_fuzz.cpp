// Fuzz target: any bytes given to the record reader give a status, never a
// crash; a record that reads as Ok writes back to the very same entry lines
// (the reader takes nothing the writer would not write).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <vector>

#include "core/cp932.h"
#include "record/record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const xantu::RecordReadResult r = xantu::解析_棋譜(bytes);
    if (r.status != xantu::RecordReadStatus::Ok) return 0;
    const xantu::RecordTexts texts{r.headers[0], r.headers[1], r.headers[2]};
    const xantu::RecordContent again = xantu::作成_棋譜(texts, -1, r.list, std::nullopt);
    if (again.status != xantu::RecordWriteStatus::Ok) return 0;
    const xantu::RecordReadResult r2 = xantu::解析_棋譜(again.bytes);
    if (r2.status != xantu::RecordReadStatus::Ok || r2.entryCount != r.entryCount) __builtin_trap();
    const std::vector<std::string_view> in = xantu::splitLines(bytes), out = xantu::splitLines(again.bytes);
    if (in.size() != out.size()) __builtin_trap();
    for (std::size_t i = 3; i < in.size(); ++i)
        if (in[i] != out[i]) __builtin_trap();
    return 0;
}
