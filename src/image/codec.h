#pragma once

#include "choicetexts.h"
#include "codeplan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

namespace vm280 {

/// Bytes in an image built by the encoder: radio addresses 0x0010 to 0x035F.
inline constexpr int kImageBytes = 848;
/// Bytes the decoder reads; anything after them (a read image is 1024 bytes long) is ignored.
inline constexpr int kDecodedBytes = 816;

/// Spreads a memory image (upper-case hex text, two digits per byte, byte 0 at radio address
/// 0x0010) over the plan. Choice cells get the words of texts. A setting whose byte is out of
/// range keeps its value. Returns false and changes nothing when image does not start with
/// kDecodedBytes bytes of hex digits.
bool DecodeImage(CodePlan &plan, QByteArrayView image, const ChoiceTexts &texts);

/// Builds the kImageBytes-byte memory image of the plan as upper-case hex text. Choice cells
/// are read by comparing them with the words of texts.
QByteArray EncodeImage(const CodePlan &plan, const ChoiceTexts &texts);

/// The radio's identification in an image of kImageBytes bytes or more: the model string and the
/// number of its identification block ("TRZP280 58214739"), each when it is printable ASCII
/// throughout; empty when the block holds neither (an erased memory) or the image is too short.
QString ImageIdentification(QByteArrayView image);

/// True when text has the form a frequency field stores: three characters, a full stop and
/// five characters, each 0-9 or A-F ("436.12500"; "4A5.1F2F3" from raw bytes). The encoder
/// writes any other text as no frequency.
bool HasFrequencyForm(QStringView text);

} // namespace vm280
