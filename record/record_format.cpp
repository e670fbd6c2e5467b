#include "record/record_format.h"

#include "core/cp932.h"
#include "record/csa_reader.h"
#include "record/kif_reader.h"
#include "record/record_text.h"
#include "record/sfen_record.h"

namespace xantu {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

std::optional<RecordTextFormat> detectRecordFormat(std::string_view bytes) {
    if (textStartsWith(bytes, kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    if (isSfenText(bytes)) return RecordTextFormat::Sfen;
    if (isCsaText(bytes)) return RecordTextFormat::Csa;
    const DecodedText decoded = decodeRecordText(bytes);
    if (decoded.problem == RecordProblemCode::None && isKifText(decoded.text)) return RecordTextFormat::Kif;
    return std::nullopt;
}

RecordRead 解析_棋譜テキスト(std::string_view bytes, RecordTextFormat otherwise) {
    switch (detectRecordFormat(bytes).value_or(otherwise)) {
    case RecordTextFormat::Sfen:
        if (textStartsWith(bytes, kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
        return 解析_SFEN棋譜(bytes);
    case RecordTextFormat::Csa: return 解析_CSA(bytes);
    case RecordTextFormat::Kif: break;
    }
    return 解析_KIF(bytes);
}

RecordRead 読込_棋譜テキスト(const std::filesystem::path& file, RecordTextFormat otherwise) {
    const FileReadResult read = readWholeFile(file, kMaxKifBytes);
    RecordRead refused;
    refused.problem.format = otherwise;
    switch (read.status) {
    case FileReadStatus::Ok: return 解析_棋譜テキスト(read.bytes, otherwise);
    case FileReadStatus::NotFound: refused.problem.code = RecordProblemCode::FileNotFound; break;
    case FileReadStatus::TooLarge: refused.problem.code = RecordProblemCode::FileTooLarge; break;
    case FileReadStatus::CannotRead: refused.problem.code = RecordProblemCode::FileCannotRead; break;
    }
    return refused;
}

}  // namespace xantu
